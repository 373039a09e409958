// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QDialog;
class QWidget;

namespace quillog
{
class Document;
struct ToolResult;
} // namespace quillog

namespace quillog::ui
{

class GridView;
class LogTableModel;
class QtHost;
struct MainActions;

/// The column tools of the Tools menu and the cell menu: each asks for its arguments in a dialog,
/// calls the core tool and brings the view up to date from the tool's result.
class ToolCommands : public QObject
{
    Q_OBJECT

public:
    ToolCommands(Document &document, QtHost &host, LogTableModel &model, GridView &view, QWidget &window,
        QObject *parent = nullptr);

    void connectActions(const MainActions &actions);

    /// How a modal dialog is run; tests answer it without showing the dialog.
    using DialogRunner = std::function<int(QDialog &dialog)>;
    void setDialogRunner(DialogRunner runner) { m_runDialog = std::move(runner); }

    /// Runs a tool and shows what it changed: the grid, the column widths, its message.
    void runTool(const std::function<ToolResult()> &tool);
    /// The same for a tool that may take seconds on a large log: it runs in a worker beside the progress
    /// window, whose label is the label followed by " ...".
    void runToolInWorker(const std::string &label, const std::function<ToolResult()> &tool);
    /// Runs a tool's dialog modally (or as the tests answer it).
    int runDialog(QDialog &dialog) { return m_runDialog(dialog); }
    /// Asks a Yes/No question; true for Yes.
    bool confirm(std::string_view question);

public Q_SLOTS:
    /// The column tools; a column of -1 means the Tools menu's column (the leftmost header holding the
    /// word), which is reported when missing.
    void convertDate(int tableColumn = -1);
    void convertTime(int tableColumn = -1);
    void convertFrequency(int tableColumn = -1);
    void convertMode(int tableColumn = -1, const QString &preset = {});
    /// After a column was named MODE: reloads the definitions and opens Convert Mode on the column with
    /// its first value that is a listed mode as the "from" text; no dialog when no value is.
    void convertModeOfRenamedColumn(int tableColumn);
    void makeBandFromFrequency();
    void makeFrequencyFromBand();
    /// On a worker in the check slot, behind the progress window.
    void convertDeprecatedModes();

Q_SIGNALS:
    void commandDone();

private:
    int columnFor(int tableColumn, const char *word, std::string_view missingMessage);
    std::vector<int> columnWidths() const;
    void showResult(const ToolResult &result, const std::vector<int> &widthsBefore);
    void restoreWidths(const ToolResult &result, const std::vector<int> &widthsBefore);

    Document &m_document;
    QtHost &m_host;
    LogTableModel &m_model;
    GridView &m_view;
    QWidget &m_window;
    DialogRunner m_runDialog;
};

} // namespace quillog::ui
