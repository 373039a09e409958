// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <string>
#include <vector>

class QListWidget;
class QPushButton;

namespace quillog::ui
{

/// "ADIF Tags": picks one of the field names a column can be given.
class AdifTagsDialog : public QDialog
{
    Q_OBJECT

public:
    AdifTagsDialog(const std::vector<std::string> &names, QWidget *parent = nullptr);
    QString chosen() const;
    void choose(const QString &name);

private:
    QListWidget *m_list;
    QPushButton *m_select;
};

} // namespace quillog::ui
