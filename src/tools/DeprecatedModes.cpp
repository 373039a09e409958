// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/DeprecatedModes.h"

#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "definitions/ValueLists.h"
#include "tools/ColumnLookup.h"
#include "tools/UndoSteps.h"

#include <algorithm>

namespace quillog
{

namespace
{

bool isListedMode(std::string_view mode, const std::vector<std::string> &modes)
{
    return std::any_of(modes.begin(), modes.end(),
        [mode](const std::string &entry) { return equalsIgnoreCase(mode, entry); });
}

// The submode entry naming the value, when it also names a parent mode; a bare name has no mode to
// give the QSO, so it never converts.
const std::string *submodeEntryFor(std::string_view mode, const std::vector<std::string> &submodes)
{
    for (const std::string &entry : submodes) {
        if (entry.find('=') == std::string::npos || parentMode(entry).empty())
            continue;
        if (equalsIgnoreCase(mode, submodeName(entry)))
            return &entry;
    }
    return nullptr;
}

// The columns of one run; the submode column appears and the snapshots are taken on the first change.
class ModeRewriter
{
public:
    ModeRewriter(LogTable &table, UndoJournal &journal, int modeColumn, ToolResult &result)
        : m_table(table)
        , m_journal(journal)
        , m_modeColumn(modeColumn)
        , m_submodeColumn(lastColumnNamed(table, "SUBMODE"))
        , m_result(result)
    {
    }

    void rewrite(int row, const std::string &entry)
    {
        if (!m_modeRecorded) {
            recordColumnSnapshot(m_journal, m_modeColumn, m_result);
            m_modeRecorded = true;
        }
        m_table.setText(row, m_modeColumn, parentMode(entry));
        if (m_submodeColumn < 0) {
            m_submodeColumn = m_table.insertColumn("SUBMODE", m_modeColumn + 1);
            recordColumnInserted(m_journal, m_submodeColumn, m_result);
        }
        if (!m_submodeRecorded) {
            recordColumnSnapshot(m_journal, m_submodeColumn, m_result);
            m_submodeRecorded = true;
        }
        m_table.setText(row, m_submodeColumn, submodeName(entry));
        m_result.cellsChanged += 2;
    }

private:
    LogTable &m_table;
    UndoJournal &m_journal;
    int m_modeColumn;
    int m_submodeColumn;
    ToolResult &m_result;
    bool m_modeRecorded = false;
    bool m_submodeRecorded = false;
};

} // namespace

ToolResult convertDeprecatedModes(
    LogTable &table, UndoJournal &journal, const ValueLists &lists, Progress &progress)
{
    const int modeColumn = lastColumnNamed(table, "MODE");
    if (modeColumn < 0)
        return ToolResult::warning(std::string(kNoModeAreaMessage));
    if (lists.modes.empty() || lists.submodes.empty())
        return ToolResult::warning(std::string(kNoModeListsMessage));
    ToolResult result;
    ModeRewriter rewriter(table, journal, modeColumn, result);
    PercentReporter reporter(progress, "Checking QSOs ...");
    for (int row = 1; row < table.rowCount() && progress.isRunning(); ++row) {
        reporter.report(
            static_cast<unsigned long long>(row), static_cast<unsigned long long>(table.rowCount()));
        const std::string mode(trimmed(table.text(row, modeColumn)));
        if (mode.size() < 2 || isListedMode(mode, lists.modes))
            continue;
        if (const std::string *entry = submodeEntryFor(mode, lists.submodes))
            rewriter.rewrite(row, *entry);
    }
    progress.setPercent(100);
    return result;
}

} // namespace quillog
