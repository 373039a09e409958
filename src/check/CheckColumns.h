// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quillog
{

class LogTable;

/// The columns the log check tests, found among the data columns by their trimmed, upper-cased header;
/// the rightmost match wins. -1 where the log has no such column.
struct CheckColumns {
    int call = -1; ///< "CALL"
    int date = -1; ///< "QSO_DATE"
    /// "TIME_ON"; without one "TIME_OFF"; without either any header containing "TIME".
    int time = -1;
    int band = -1; ///< "BAND"
    int frequency = -1; ///< "FREQ"
    int mode = -1; ///< "MODE"
};

CheckColumns findCheckColumns(const LogTable &table);

/// The warning for the first column the check needs and the log lacks, in the order call, mode, date,
/// time, band or frequency; empty when the check can run. A log without data columns lacks the call.
std::string_view missingColumnMessage(const CheckColumns &columns);

} // namespace quillog
