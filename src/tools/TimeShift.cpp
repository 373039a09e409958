// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/TimeShift.h"

#include "core/Calendar.h"
#include "core/LogTable.h"
#include "core/Text.h"
#include "tools/UndoSteps.h"

#include <algorithm>
#include <cstdio>

namespace quillog
{

namespace
{

constexpr long long kSecondsPerDay = 86400;

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), isDigit);
}

int number(std::string_view text, std::size_t from, std::size_t length)
{
    return static_cast<int>(leadingInteger(text.substr(from, length)));
}

// Days since 1 January 1970 of a Gregorian date, and back (proleptic calendar, no time zone).
long long daysFromCivil(int year, int month, int day)
{
    year -= month <= 2 ? 1 : 0;
    const long long era = (year >= 0 ? year : year - 399) / 400;
    const long long yearOfEra = year - era * 400;
    const long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra - 719468;
}

void civilFromDays(long long days, int &year, int &month, int &day)
{
    days += 719468;
    const long long era = (days >= 0 ? days : days - 146096) / 146097;
    const long long dayOfEra = days - era * 146097;
    const long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long long shiftedMonth = (5 * dayOfYear + 2) / 153;
    day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    month = static_cast<int>(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    year = static_cast<int>(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
}

// The columns of the shift, by upper-cased trimmed header; the rightmost of equal names counts.
struct ShiftColumns {
    int date = -1;
    int dateOff = -1;
    int timeOn = -1;
    int timeOff = -1;
};

ShiftColumns findShiftColumns(const LogTable &table)
{
    ShiftColumns columns;
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        const std::string name = toUpper(trimmed(table.text(0, column)));
        if (name == "QSO_DATE")
            columns.date = column;
        else if (name == "QSO_DATE_OFF")
            columns.dateOff = column;
        else if (name == "TIME_ON")
            columns.timeOn = column;
        else if (name == "TIME_OFF")
            columns.timeOff = column;
    }
    return columns;
}

std::string_view missingColumn(const ShiftColumns &columns, const TimeShiftRequest &request)
{
    if (columns.date < 0)
        return kNoQsoDateColumnMessage;
    if (columns.timeOn < 0 && columns.timeOff < 0)
        return kNoTimeColumnsMessage;
    if (columns.timeOn < 0 && request.timeOn)
        return kNoTimeOnColumnMessage;
    if (columns.timeOff < 0 && request.timeOff)
        return kNoTimeOffColumnMessage;
    return {};
}

// The time cell of the row moved with its date; nothing when they form no valid moment.
std::optional<Moment> movedTime(
    const LogTable &table, int row, std::string_view date, int timeColumn, long long seconds)
{
    return shiftedMoment(date, trimmed(table.text(row, timeColumn)), seconds);
}

// Shifts one row as the request says; a row with a date or time that cannot be shifted is left whole
// (false).
bool shiftRow(LogTable &table, int row, const ShiftColumns &columns, const TimeShiftRequest &request)
{
    const std::string date(trimmed(table.text(row, columns.date)));
    const std::string dateOff
        = columns.dateOff >= 0 ? std::string(trimmed(table.text(row, columns.dateOff))) : date;
    std::optional<Moment> on;
    std::optional<Moment> off;
    if (request.timeOn && !(on = movedTime(table, row, date, columns.timeOn, request.seconds)))
        return false;
    if (request.timeOff && !(off = movedTime(table, row, dateOff, columns.timeOff, request.seconds)))
        return false;
    if (on) {
        table.setText(row, columns.date, on->date);
        table.setText(row, columns.timeOn, on->time);
    }
    if (off) {
        if (columns.dateOff >= 0)
            table.setText(row, columns.dateOff, off->date);
        table.setText(row, columns.timeOff, off->time);
    }
    return true;
}

} // namespace

long long shiftFieldValue(std::string_view typed)
{
    return leadingInteger(typed.substr(0, 3));
}

std::optional<Moment> shiftedMoment(std::string_view date, std::string_view time, long long seconds)
{
    if (date.size() != 8 || !allDigits(date) || (time.size() != 4 && time.size() != 6) || !allDigits(time))
        return std::nullopt;
    const int year = number(date, 0, 4);
    const int month = number(date, 4, 2);
    const int day = number(date, 6, 2);
    const int hour = number(time, 0, 2);
    const int minute = number(time, 2, 2);
    const int second = time.size() == 6 ? number(time, 4, 2) : 0;
    if (!isValidDate(year, month, day) || hour > 23 || minute > 59 || second > 59)
        return std::nullopt;
    const long long start
        = daysFromCivil(year, month, day) * kSecondsPerDay + hour * 3600 + minute * 60 + second;
    const long long moved = start + seconds;
    long long days = moved / kSecondsPerDay;
    long long ofDay = moved % kSecondsPerDay;
    if (ofDay < 0) {
        ofDay += kSecondsPerDay;
        --days;
    }
    int newYear = 0;
    int newMonth = 0;
    int newDay = 0;
    civilFromDays(days, newYear, newMonth, newDay);
    if (newYear < 1 || newYear > 9999)
        return std::nullopt;
    char dateText[16];
    char timeText[16];
    std::snprintf(dateText, sizeof dateText, "%04d%02d%02d", newYear, newMonth, newDay);
    const int h = static_cast<int>(ofDay / 3600);
    const int m = static_cast<int>(ofDay / 60 % 60);
    const int s = static_cast<int>(ofDay % 60);
    if (time.size() == 4)
        std::snprintf(timeText, sizeof timeText, "%02d%02d", h, m);
    else
        std::snprintf(timeText, sizeof timeText, "%02d%02d%02d", h, m, s);
    return Moment { dateText, timeText };
}

ToolResult shiftTimes(LogTable &table, UndoJournal &journal, const TimeShiftRequest &request)
{
    const ShiftColumns columns = findShiftColumns(table);
    if (const std::string_view missing = missingColumn(columns, request); !missing.empty())
        return ToolResult::warning(std::string(missing));
    int first = 1;
    int last = table.rowCount() - 1;
    if (request.selectionOnly) {
        const CellRange range = table.selection();
        first = range.isValid() ? std::max(range.firstRow, 1) : 1;
        last = range.isValid() ? std::min(range.lastRow, last) : 0;
    }
    ToolResult result;
    // Every column the shift may write is recorded, QSO_DATE_OFF included.
    if (request.timeOn) {
        recordColumnSnapshot(journal, columns.date, result);
        recordColumnSnapshot(journal, columns.timeOn, result);
    }
    if (request.timeOff) {
        if (columns.dateOff >= 0)
            recordColumnSnapshot(journal, columns.dateOff, result);
        recordColumnSnapshot(journal, columns.timeOff, result);
    }
    int unchanged = 0;
    for (int row = first; row <= last; ++row) {
        if (shiftRow(table, row, columns, request))
            ++result.cellsChanged;
        else
            ++unchanged;
    }
    if (unchanged > 0) {
        result.message = std::to_string(unchanged) + (unchanged == 1 ? " QSO was" : " QSOs were")
            + " left unchanged: the date or time is not a valid ADIF value.";
    }
    return result;
}

} // namespace quillog
