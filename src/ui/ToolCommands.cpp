// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ToolCommands.h"

#include "core/Progress.h"
#include "definitions/BandPlan.h"
#include "document/Document.h"
#include "tools/BandAndFrequency.h"
#include "tools/ColumnLookup.h"
#include "tools/DateConversion.h"
#include "tools/DeprecatedModes.h"
#include "tools/FrequencyConversion.h"
#include "tools/ModeConversion.h"
#include "tools/TimeConversion.h"
#include "tools/ToolResult.h"
#include "ui/GridView.h"
#include "ui/LogTableModel.h"
#include "ui/MainMenus.h"
#include "ui/QtHost.h"
#include "ui/dialogs/ConvertDateDialog.h"
#include "ui/dialogs/ConvertFrequencyDialog.h"
#include "ui/dialogs/ConvertModeDialog.h"
#include "ui/dialogs/ConvertTimeDialog.h"

#include <QAction>
#include <algorithm>

namespace quillog::ui
{

ToolCommands::ToolCommands(
    Document &document, QtHost &host, LogTableModel &model, GridView &view, QWidget &window, QObject *parent)
    : QObject(parent)
    , m_document(document)
    , m_host(host)
    , m_model(model)
    , m_view(view)
    , m_window(window)
    , m_runDialog([](QDialog &dialog) { return dialog.exec(); })
{
}

void ToolCommands::connectActions(const MainActions &actions)
{
    connect(actions.convertDate, &QAction::triggered, this, [this] { convertDate(); });
    connect(actions.convertTime, &QAction::triggered, this, [this] { convertTime(); });
    connect(actions.convertFrequency, &QAction::triggered, this, [this] { convertFrequency(); });
    connect(actions.convertMode, &QAction::triggered, this, [this] { convertMode(); });
    connect(actions.makeBand, &QAction::triggered, this, &ToolCommands::makeBandFromFrequency);
    connect(actions.makeFrequency, &QAction::triggered, this, &ToolCommands::makeFrequencyFromBand);
    connect(actions.convertDeprecatedModes, &QAction::triggered, this, &ToolCommands::convertDeprecatedModes);
}

int ToolCommands::columnFor(int tableColumn, const char *word, std::string_view missingMessage)
{
    if (tableColumn < 0)
        tableColumn = leftmostColumnContaining(m_document.table(), word);
    if (tableColumn < 0)
        m_host.message(BoxKind::Warning, missingMessage);
    return tableColumn;
}

void ToolCommands::convertDate(int tableColumn)
{
    const int column = columnFor(tableColumn, "DATE", kNoDateColumnMessage);
    if (column < 0)
        return;
    ConvertDateDialog dialog(&m_window);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    runTool([&] {
        return quillog::convertDateColumn(m_document.table(), m_document.journal(), column, dialog.layout());
    });
}

void ToolCommands::convertTime(int tableColumn)
{
    const int column = columnFor(tableColumn, "TIME", kNoTimeColumnMessage);
    if (column < 0)
        return;
    ConvertTimeDialog dialog(&m_window);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    runTool([&] {
        return quillog::convertTimeColumn(
            m_document.table(), m_document.journal(), column, dialog.layout(), dialog.target());
    });
}

void ToolCommands::convertFrequency(int tableColumn)
{
    const int column = columnFor(tableColumn, "FREQ", kNoFrequencyColumnMessage);
    if (column < 0)
        return;
    ConvertFrequencyDialog dialog(&m_window);
    if (m_runDialog(dialog) != QDialog::Accepted)
        return;
    const bool comma = m_document.settings().useCommaFreq;
    runTool([&] {
        return quillog::convertFrequencyColumn(
            m_document.table(), m_document.journal(), column, dialog.unit(), comma);
    });
}

void ToolCommands::convertMode(int tableColumn, const QString &preset)
{
    const int column = columnFor(tableColumn, "MODE", kNoModeColumnMessage);
    if (column < 0)
        return;
    ConvertModeDialog dialog(preset, &m_window);
    const int answer = m_runDialog(dialog);
    if (answer == ConvertModeDialog::FixDeprecatedModes) {
        convertDeprecatedModes();
        return;
    }
    if (answer != QDialog::Accepted)
        return;
    // The "from" field always counts as it stands: it only starts as the preset.
    const std::string from = encodeCell(dialog.from(), m_model.encoding());
    const std::string to = encodeCell(dialog.to(), m_model.encoding());
    runTool([&] {
        return quillog::convertModeColumn(m_document.table(), m_document.journal(), column, from, to);
    });
}

void ToolCommands::convertModeOfRenamedColumn(int tableColumn)
{
    m_document.reloadDefinitions();
    const std::string mode = firstListedMode(m_document.table(), tableColumn, m_document.definitions().modes);
    if (!mode.empty())
        convertMode(tableColumn, decodeCell(mode, m_model.encoding()));
}

bool ToolCommands::confirm(std::string_view question)
{
    return m_host.message(BoxKind::Question, question, BoxButtons::YesNo) == Answer::Yes;
}

void ToolCommands::makeBandFromFrequency()
{
    runTool([this] {
        return quillog::makeBandFromFrequency(m_document.table(), m_document.journal(),
            [this](std::string_view question) { return confirm(question); });
    });
}

void ToolCommands::makeFrequencyFromBand()
{
    // The band plan is read when a tool needs it, so an edited plan counts at once.
    const BandPlan plan = loadBandPlan(m_document.dataFolder()).plan;
    runTool([&] {
        return quillog::makeFrequencyFromBand(m_document.table(), m_document.journal(), plan,
            [this](std::string_view question) { return confirm(question); });
    });
}

void ToolCommands::convertDeprecatedModes()
{
    if (m_document.refuseWhenBusy())
        return;
    m_document.reloadDefinitions();
    const std::vector<int> widths = columnWidths();
    ToolResult result;
    const ValueLists lists = m_document.definitions();
    const bool ran
        = m_document.runTool(WorkerSlot::Check, "Convert Deprecated Modes", [&](Progress &progress) {
              result = quillog::convertDeprecatedModes(
                  m_document.table(), m_document.journal(), lists, progress);
          });
    if (!ran)
        return;
    showResult(result, widths);
    m_view.setFocus();
    m_host.statusChanged(0, "Ready");
}

void ToolCommands::runTool(const std::function<ToolResult()> &tool)
{
    const std::vector<int> widths = columnWidths();
    showResult(tool(), widths);
}

void ToolCommands::runToolInWorker(const std::string &label, const std::function<ToolResult()> &tool)
{
    const std::vector<int> widths = columnWidths();
    ToolResult result;
    const bool ran = m_document.runTool(WorkerSlot::Check, label, [&](Progress &progress) {
        progress.setLabel(label + " ...");
        result = tool();
    });
    if (ran)
        showResult(result, widths);
}

std::vector<int> ToolCommands::columnWidths() const
{
    std::vector<int> widths;
    for (int column = 0; column < m_document.table().columnCount(); ++column)
        widths.push_back(m_view.tableColumnWidth(column));
    return widths;
}

void ToolCommands::showResult(const ToolResult &result, const std::vector<int> &widthsBefore)
{
    if (result.shapeChanged()) {
        m_view.resetKeepingWidths();
        restoreWidths(result, widthsBefore);
        m_host.statusChanged(2, m_document.qsoCountText());
    } else if (result.cellsChanged > 0) {
        m_model.refreshCells();
    }
    for (const int column : result.columnsToFit)
        m_view.setTableColumnWidth(column, -1);
    if (!result.message.empty())
        m_host.message(result.messageKind, result.message);
    Q_EMIT commandDone();
}

// Each column keeps the width it had before the tool; inserted columns fit their contents.
void ToolCommands::restoreWidths(const ToolResult &result, const std::vector<int> &widthsBefore)
{
    std::vector<int> widths = widthsBefore;
    std::vector<int> removed = result.removedColumns;
    std::sort(removed.rbegin(), removed.rend());
    for (const int column : removed) {
        if (column >= 0 && column < int(widths.size()))
            widths.erase(widths.begin() + column);
    }
    std::vector<int> inserted = result.insertedColumns;
    std::sort(inserted.begin(), inserted.end());
    for (const int column : inserted)
        widths.insert(widths.begin() + std::clamp(column, 0, int(widths.size())), -1);
    for (int column = 0; column < int(widths.size()); ++column)
        m_view.setTableColumnWidth(column, widths[std::size_t(column)]);
}

} // namespace quillog::ui
