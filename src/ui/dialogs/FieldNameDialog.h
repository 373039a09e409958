// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLineEdit;

namespace quillog::ui
{

/// "ADIF Tag": a field name typed in; names a writer could not write are refused, the empty name is
/// an unused column.
class FieldNameDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FieldNameDialog(QWidget *parent = nullptr);
    QString name() const;
    void setName(const QString &name);
    void accept() override;

private:
    QLineEdit *m_name;
};

} // namespace quillog::ui
