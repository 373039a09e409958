// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LogTable.h"
#include "ui/CellText.h"

#include <QDialog>

class QMenu;
class QTableWidget;

namespace quillog::ui
{

/// "Search results": the rows Find All listed, every column with the "#" one, in a grid of their own.
/// Its cell menu copies or saves the selected rows and asks the main window to show a row.
class SearchResultsDialog : public QDialog
{
    Q_OBJECT

public:
    /// rows: a table of the header row and the listed rows, cells copied from the log.
    SearchResultsDialog(
        LogTable rows, const QString &title, TextEncoding encoding, QWidget *parent = nullptr);

    QTableWidget *grid() const { return m_grid; }
    /// The table of the results with the grid's selection; what the row copies work on.
    const LogTable &rows();
    /// The cell menu as it would open on the cell (results row, column); the caller shows it.
    QMenu *cellMenu(int row, int column, QWidget *parent);

Q_SIGNALS:
    void copyRowsAsCsv();
    void copyRowsAsAdif();
    void saveRowsAsAdif();
    /// "Find in the Main Window": the row number the clicked row holds in its "#" column.
    void showInMainWindow(const QString &rowNumber);

private:
    void syncSelection();

    LogTable m_rows;
    QTableWidget *m_grid = nullptr;
};

} // namespace quillog::ui
