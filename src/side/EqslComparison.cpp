// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/EqslComparison.h"

#include "core/FileIo.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "formats/AdiReader.h"
#include "formats/AdiScanner.h"
#include "side/EqslInbox.h"
#include "side/QsoMoment.h"

#include <optional>
#include <unordered_map>

namespace quillog
{

namespace
{

// Passes percentages and the Stop test on, under one caption of its own.
class CaptionedProgress : public Progress
{
public:
    CaptionedProgress(Progress &inner, std::string_view caption)
        : m_inner(inner)
    {
        m_inner.setLabel(caption);
    }
    void setLabel(std::string_view) override { }
    void setPercent(int percent) override { m_inner.setPercent(percent); }
    bool isRunning() const override { return m_inner.isRunning(); }

private:
    Progress &m_inner;
};

// The columns of a table by header (trimmed, upper case), the row-number column left out.
struct QsoColumns {
    int call = -1, date = -1, timeOn = -1, timeOff = -1, eqslReceived = -1;

    explicit QsoColumns(const LogTable &table)
    {
        for (int column = table.columnCount() - 1; column >= table.fixedColumnCount(); --column) {
            const std::string name = toUpper(trimmed(table.text(0, column)));
            int *slot = name == "CALL"    ? &call
                : name == "QSO_DATE"      ? &date
                : name == "TIME_ON"       ? &timeOn
                : name == "TIME_OFF"      ? &timeOff
                : name == "EQSL_QSL_RCVD" ? &eqslReceived
                                          : nullptr;
            if (slot != nullptr && *slot < 0)
                *slot = column;
        }
    }

    bool comparable() const { return call >= 0 && date >= 0 && (timeOn >= 0 || timeOff >= 0); }

    std::string_view cell(const LogTable &table, int row, int column) const
    {
        return column < 0 ? std::string_view() : trimmedRight(table.text(row, column));
    }
    std::string callKey(const LogTable &table, int row) const
    {
        return toUpper(trimmed(table.text(row, call)));
    }
    // TIME_ON, or TIME_OFF where TIME_ON is empty.
    std::optional<long long> minute(const LogTable &table, int row) const
    {
        std::string_view time = cell(table, row, timeOn);
        if (time.empty())
            time = cell(table, row, timeOff);
        return qsoMinute(cell(table, row, date), time);
    }
    bool eqslReceivedYes(const LogTable &table, int row) const
    {
        return toUpper(trimmed(cell(table, row, eqslReceived))) == "Y";
    }
};

enum class Verdict { NotInLog, Found, Confirmed };

struct RecordVerdict {
    Verdict verdict = Verdict::NotInLog;
    int logRow = -1;
};

// Finds the log QSOs of a call quickly; each list keeps the rows in log order.
class LogIndex
{
public:
    LogIndex(const LogTable &log, const QsoColumns &columns)
        : m_log(log)
        , m_columns(columns)
    {
        for (int row = 1; row < log.rowCount(); ++row) {
            std::string key = columns.callKey(log, row);
            if (!key.empty())
                m_rows[std::move(key)].push_back(row);
        }
    }

    RecordVerdict judge(const std::string &call, long long minute, bool recordReceived) const
    {
        const auto rows = m_rows.find(call);
        if (rows == m_rows.end())
            return {};
        for (const int row : rows->second) {
            const auto logMinute = m_columns.minute(m_log, row);
            if (!logMinute || !withinMatchWindow(minute, *logMinute))
                continue;
            const bool confirmed = recordReceived || m_columns.eqslReceivedYes(m_log, row);
            return { confirmed ? Verdict::Confirmed : Verdict::Found, row };
        }
        return { Verdict::Found, rows->second.front() };
    }

private:
    const LogTable &m_log;
    const QsoColumns &m_columns;
    std::unordered_map<std::string, std::vector<int>> m_rows;
};

bool anyCategory(const EqslFilter &filter)
{
    return filter.newEqsls || filter.alreadyReceived || filter.notInLog || filter.swl;
}

bool wanted(Verdict verdict, const EqslFilter &filter)
{
    switch (verdict) {
    case Verdict::Found:
        return filter.newEqsls || !anyCategory(filter);
    case Verdict::Confirmed:
        return filter.alreadyReceived;
    case Verdict::NotInLog:
        break;
    }
    return filter.notInLog;
}

bool outsideDates(int day, const EqslFilter &filter)
{
    return filter.useDateFilter && (day < filter.fromDate || day > filter.toDate);
}

// Walks the inbox records in file order and notes the selected ones with their log rows.
struct Selection {
    std::vector<int> inboxRows;
    std::vector<int> logRows;
    bool stopped = false;
};

Selection select(const LogTable &inbox, const LogTable &log, const EqslFilter &filter, Progress &progress)
{
    Selection selection;
    const QsoColumns inboxColumns(inbox);
    const QsoColumns logColumns(log);
    const LogIndex index(log, logColumns);
    const int swlColumn = inbox.findColumn("APP_EQSL_SWL");
    PercentReporter percent(progress, "");
    for (int row = 1; row < inbox.rowCount(); ++row) {
        if (!progress.isRunning()) {
            selection.stopped = true;
            break;
        }
        percent.report(
            static_cast<unsigned long long>(row), static_cast<unsigned long long>(inbox.qsoCount()));
        RecordVerdict verdict;
        if (!trimmedRight(inbox.text(row, swlColumn)).empty()) {
            if (filter.swl) {
                selection.inboxRows.push_back(row);
                selection.logRows.push_back(-1);
            }
            continue;
        }
        const std::string call = inboxColumns.callKey(inbox, row);
        const auto minute = inboxColumns.minute(inbox, row);
        if (!call.empty() && minute) {
            if (outsideDates(*qsoDay(inboxColumns.cell(inbox, row, inboxColumns.date)), filter))
                continue;
            verdict = index.judge(call, *minute, inboxColumns.eqslReceivedYes(inbox, row));
        }
        if (wanted(verdict.verdict, filter)) {
            selection.inboxRows.push_back(row);
            selection.logRows.push_back(verdict.logRow);
        }
    }
    return selection;
}

LogTable selectedRecords(const LogTable &inbox, const std::vector<int> &rows)
{
    LogTable records;
    records.setColumnCount(inbox.columnCount());
    records.setRowCount(static_cast<int>(rows.size()) + 1);
    for (int column = 0; column < inbox.columnCount(); ++column)
        records.setText(0, column, inbox.text(0, column));
    int target = 1;
    for (const int row : rows) {
        for (int column = 0; column < inbox.columnCount(); ++column)
            records.setText(target, column, inbox.text(row, column));
        ++target;
    }
    return records;
}

} // namespace

EqslComparison compareEqslInbox(
    LargeBuffer inbox, const LogTable &log, const EqslFilter &filter, Progress &progress)
{
    EqslComparison result;
    result.message = kNoEqslRecordsMessage;
    // The header stays readable after the read: the inbox table takes over the buffer it lies in.
    const std::string_view text(inbox.data(), inbox.size());
    const std::string_view header = text.substr(0, adiRecordsStart(text));
    LogTable records;
    ReadResult read;
    {
        CaptionedProgress collecting(progress, "Collecting tags ...");
        read = readAdi(std::move(inbox), records, {}, collecting);
    }
    if (!read.ok || read.stopped || !isEqslInbox(header, records) || !QsoColumns(log).comparable())
        return result;
    CaptionedProgress comparing(progress, "Reading file and comparing eQSLs...");
    Selection selection = select(records, log, filter, comparing);
    progress.setLabel("Filling the grid ...");
    result.records = selectedRecords(records, selection.inboxRows);
    result.logRows = std::move(selection.logRows);
    result.stopped = selection.stopped;
    if (result.selected() > 0)
        result.message.clear();
    return result;
}

EqslComparison compareEqslInboxFile(
    const std::string &path, const LogTable &log, const EqslFilter &filter, Progress &progress)
{
    FileBytes file = readFileBytes(path);
    if (!file.ok) {
        EqslComparison result;
        result.message = file.message;
        return result;
    }
    return compareEqslInbox(std::move(file.bytes), log, filter, progress);
}

} // namespace quillog
