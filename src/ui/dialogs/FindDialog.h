// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace quillog::ui
{

/// What the find dialog sends with Find Next and Find All.
struct FindOptions {
    QString text;
    bool wholeCell = false;
    bool matchCase = false;
    bool inColumn = false;
    bool searchUp = false;
};

/// "Find": modeless, made once and shown again; Find Next and Find All send the search to the window and
/// leave the dialog open. Both do nothing while the field is empty.
class FindDialog : public QDialog
{
    Q_OBJECT

public:
    explicit FindDialog(QWidget *parent = nullptr);

    /// Shows the dialog with the last search text selected in its field.
    void present(const QString &lastText, bool inColumn);
    FindOptions options() const;

    QLineEdit *textField() const { return m_text; }
    QCheckBox *wholeCellBox() const { return m_wholeCell; }
    QCheckBox *matchCaseBox() const { return m_matchCase; }
    QCheckBox *inColumnBox() const { return m_inColumn; }
    QRadioButton *upButton() const { return m_up; }
    QPushButton *findNextButton() const { return m_findNext; }
    QPushButton *findAllButton() const { return m_findAll; }

Q_SIGNALS:
    void findNextRequested(const FindOptions &options);
    void findAllRequested(const FindOptions &options);

private:
    QLineEdit *m_text = nullptr;
    QCheckBox *m_wholeCell = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QCheckBox *m_inColumn = nullptr;
    QRadioButton *m_up = nullptr;
    QRadioButton *m_down = nullptr;
    QPushButton *m_findNext = nullptr;
    QPushButton *m_findAll = nullptr;
};

} // namespace quillog::ui
