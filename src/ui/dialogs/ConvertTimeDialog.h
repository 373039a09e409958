// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/TimeConversion.h"

#include <QDialog>

class QComboBox;

namespace quillog::ui
{

/// "Convert Time": the layout a time column is in (left) and the ADIF form it becomes (right).
class ConvertTimeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ConvertTimeDialog(QWidget *parent = nullptr);

    TimeTemplate layout() const;
    TimeTarget target() const;
    QComboBox *layouts() const { return m_layouts; }
    QComboBox *targets() const { return m_targets; }

private:
    QComboBox *m_layouts = nullptr;
    QComboBox *m_targets = nullptr;
};

} // namespace quillog::ui
