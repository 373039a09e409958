// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillog
{

class LogTable;
class UndoJournal;

inline constexpr std::string_view kNoQsoDateColumnMessage = "QSO_DATE column is not found.";
inline constexpr std::string_view kNoTimeColumnsMessage = "TIME_ON and TIME_OFF columns are not found.";
inline constexpr std::string_view kNoTimeOnColumnMessage = "TIME_ON column is not found.";
inline constexpr std::string_view kNoTimeOffColumnMessage = "TIME_OFF column is not found.";

struct TimeShiftRequest {
    bool timeOn = true;
    bool timeOff = true;
    /// Only the rows of the selection instead of every QSO.
    bool selectionOnly = false;
    long long seconds = 0;
};

/// What a Hours, Minutes or Seconds field reads as: its first three characters as a leading number.
long long shiftFieldValue(std::string_view typed);

/// An ADIF date and time moved by a number of seconds, computed on the UTC calendar: the new date
/// (YYYYMMDD) and time in the width the time came in (HHMM or HHMMSS). Nothing when the date is not
/// eight digits of a real day or the time not four or six digits of a real time of day.
struct Moment {
    std::string date;
    std::string time;
};
std::optional<Moment> shiftedMoment(std::string_view date, std::string_view time, long long seconds);

/// Fix Time values: moves TIME_ON (with QSO_DATE) and TIME_OFF (with QSO_DATE_OFF when the log has it)
/// by the request's seconds. A row whose date or time is missing or no valid ADIF value is left as it
/// is, and the result's message says how many were. Missing columns give the warning and no change.
ToolResult shiftTimes(LogTable &table, UndoJournal &journal, const TimeShiftRequest &request);

} // namespace quillog
