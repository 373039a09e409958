// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QString>
#include <array>
#include <string_view>

class QDialog;
class QGroupBox;

namespace quillog::ui
{

/// A drop-down list of fixed choices, the first one chosen.
template <std::size_t N> QComboBox *comboOf(const std::array<std::string_view, N> &names, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    for (const std::string_view name : names)
        combo->addItem(QString::fromLatin1(name.data(), qsizetype(name.size())));
    combo->setCurrentIndex(0);
    return combo;
}

/// Titles the dialog and lays out a group box of its choices above OK and Cancel; returns the group box.
QGroupBox *choiceFrame(QDialog &dialog, const QString &title, const QString &groupTitle);

} // namespace quillog::ui
