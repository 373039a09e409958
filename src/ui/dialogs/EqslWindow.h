// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "side/EqslComparison.h"
#include "ui/CellText.h"

#include <QDialog>

class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;

namespace quillog
{
class Document;
}

namespace quillog::ui
{

class QtHost;

/// "eQSL ADIF Filters": compares an eQSL inbox download with the open log, lists the chosen records in
/// a grid of their own and saves them as ADIF. The log is only read. The comparison and the save run
/// behind the progress window, one at a time.
class EqslWindow : public QDialog
{
    Q_OBJECT

public:
    EqslWindow(Document &document, QtHost &host, QWidget *parent = nullptr);

    /// Compares the inbox file with the log and shows what the filter selects; "No eQSL records found."
    /// (or why the file cannot be read) when nothing is.
    void compare(const std::string &inboxPath, const EqslFilter &filter);
    /// Writes the listed records as ADI with the operator's writing options; false when it could not.
    bool save(const std::string &path);

    QTableWidget *grid() const { return m_grid; }
    QLabel *countLabel() const { return m_count; }
    QPushButton *saveButton() const { return m_save; }
    const EqslComparison &result() const { return m_result; }
    /// The grid's cell menu for the selected rows; the caller shows it.
    QMenu *cellMenu(QWidget *parent);

Q_SIGNALS:
    /// "Find in the Main Window": the log row the listed record belongs to.
    void showInMainWindow(int logRow);

private:
    void openInbox();
    void saveFiltered();
    void fillGrid();
    std::vector<int> selectedRows() const;
    void copyRows(bool asAdif);

    Document &m_document;
    QtHost &m_host;
    EqslComparison m_result;
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_working = false;
    QTableWidget *m_grid = nullptr;
    QLabel *m_count = nullptr;
    QPushButton *m_open = nullptr;
    QPushButton *m_save = nullptr;
};

} // namespace quillog::ui
