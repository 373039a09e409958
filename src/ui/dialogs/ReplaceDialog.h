// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace quillog::ui
{

/// Where the replace dialog was opened from, which decides the buttons and the scope of its requests.
enum class ReplaceMode {
    WholeTable, ///< the Search menu
    Cell, ///< "Replace" of the cell menu: the clicked cell, or its column with "Replace In Column"
    Selection, ///< "Replace In Selection"
};

/// What one press of "Replace" or "Replace In Column" asks for.
struct ReplaceOptions {
    QString find;
    QString replacement;
    bool wholeCell = false;
    bool matchCase = false;
    bool anyText = false;
    bool inColumn = false; ///< "Replace In Column" was pressed
};

/// "Replace": modal, stays open while each button press sends one request. The texts hold at most 259
/// characters; "Any Text" disables the find field; the buttons do nothing while the find text is empty.
class ReplaceDialog : public QDialog
{
    Q_OBJECT

public:
    static constexpr int maximumTextLength = 259;

    ReplaceDialog(ReplaceMode mode, const QString &findText, QWidget *parent = nullptr);

    QLineEdit *findField() const { return m_find; }
    QLineEdit *replacementField() const { return m_replacement; }
    QCheckBox *wholeCellBox() const { return m_wholeCell; }
    QCheckBox *matchCaseBox() const { return m_matchCase; }
    QCheckBox *anyTextBox() const { return m_anyText; }
    QPushButton *replaceButton() const { return m_replace; }
    QPushButton *replaceInColumnButton() const { return m_replaceInColumn; }
    QPushButton *closeButton() const { return m_close; }

Q_SIGNALS:
    void replaceRequested(const ReplaceOptions &options);

protected:
    /// Enter presses the focused button when it is one of the dialog's own, and closes the dialog
    /// otherwise.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void request(bool inColumn);

    QLineEdit *m_find = nullptr;
    QLineEdit *m_replacement = nullptr;
    QCheckBox *m_wholeCell = nullptr;
    QCheckBox *m_matchCase = nullptr;
    QCheckBox *m_anyText = nullptr;
    QPushButton *m_close = nullptr;
    QPushButton *m_replace = nullptr;
    QPushButton *m_replaceInColumn = nullptr;
};

} // namespace quillog::ui
