// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QAction;
class QMainWindow;

namespace quillog
{
class Document;
struct ValidationProfile;
} // namespace quillog

namespace quillog::ui
{

class DocumentCommands;
class GridView;
class LogTableModel;
class ValidationDock;

/// Tools > Validate...: asks for the profile, runs the document's validation, gives every cell with a
/// finding its message as tool tip and lists the findings in a dock; a double click on a finding goes
/// to its cell.
class ValidationCommands : public QObject
{
    Q_OBJECT

public:
    ValidationCommands(Document &document, LogTableModel &model, GridView &view, DocumentCommands &commands,
        QMainWindow &window);

    QAction *validateAction() const { return m_validate; }
    ValidationDock &dock() const { return *m_dock; }

public Q_SLOTS:
    /// Asks for the profile (the last one chosen is offered first) and validates.
    void validate();
    void validateWith(const ValidationProfile &profile);
    /// Scrolls to the cell and makes it current; a column of -1 goes to the row.
    void goToCell(int row, int column);

private:
    Document &m_document;
    LogTableModel &m_model;
    GridView &m_view;
    DocumentCommands &m_commands;
    QMainWindow &m_window;
    QAction *m_validate = nullptr;
    ValidationDock *m_dock = nullptr;
    int m_lastProfile = 0;
};

} // namespace quillog::ui
