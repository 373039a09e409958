// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Settings.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;
class Progress;
struct ValueLists;

inline constexpr std::string_view kCheckCleanMessage = "Check process completed successfully.";
inline constexpr std::string_view kCheckInvalidMessage
    = "There is at least one error in the log.\n\nCells with incorrect values are highlighted with a special "
      "color.";
inline constexpr std::string_view kCheckDeprecatedModeMessage
    = "There is at least one error or warning in the log.\n\nCells with incorrect values are highlighted "
      "with "
      "a special color.\n\nYou can change deprecated ADIF mode values (for example, FT4->MFSK) from the "
      "Convert Mode dialog.";

/// The backgrounds the check paints: the grid's own colour for cells that passed, the marked colour for
/// cells that failed. A cell counts as marked exactly while its background is the marked colour.
struct CheckColours {
    Colour normal = defaultGridBackColour;
    Colour marked = defaultGridMarkedColour;
};

/// The background of the other data cells of a failed row: each part of the marked colour lowered by 50,
/// not below 0.
Colour rowColourFor(Colour marked);

enum class CheckStatus {
    MissingColumn, ///< a column the check needs is missing; no colour changed
    Stopped, ///< the operator stopped it; the rows not reached keep their colours
    Clean, ///< every QSO passed
    InvalidFound, ///< at least one cell was marked
};

enum class CheckMessageKind { None, Information, Warning };

struct CheckResult {
    CheckStatus status = CheckStatus::Clean;
    /// Some cell was marked (also after a stop); Next and Previous Invalid QSO are then of use.
    bool invalidFound = false;
    /// A mode value was the name of a submode, which the Convert Mode dialog can turn into MODE+SUBMODE.
    bool deprecatedModeSeen = false;
    int rowsChecked = 0;
    std::vector<int> failedRows; ///< in row order
    /// What to show the operator when the check ends; None after a stop.
    CheckMessageKind messageKind = CheckMessageKind::None;
    std::string message;
};

/// Tests every QSO row's call, mode, band or frequency, time and date against the lists and colours the
/// data cells: failed cells marked, the other cells of a failed row in the row colour, every cell of a
/// passing row normal. Values and the table's shape never change. The progress is asked once per row
/// and a stop ends the check after the current row. The caller loads the definitions anew first, so that
/// lists the operator has just edited are in force. With commaFrequency (the operator writes FREQ with a
/// decimal comma) a comma in FREQ passes as the decimal point.
CheckResult checkLog(LogTable &table, const ValueLists &lists, const CheckColours &colours,
    Progress &progress, bool commaFrequency = false);

} // namespace quillog
