// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/BandAndFrequency.h"
#include "tools/ToolResult.h"

namespace quillog
{

class LogTable;
class UndoJournal;

/// Set TIME_ON = TIME_OFF (intoTimeOn) or the mirror: copies every source time of four characters or
/// more, trimmed, into the target column, which is inserted after the source when the log lacks it.
/// An existing target is overwritten only when confirm says Yes.
ToolResult copyTimeColumn(LogTable &table, UndoJournal &journal, bool intoTimeOn, const Confirm &confirm);

/// Sorts the QSOs by QSO_DATE and the start time (TIME_OFF when there is no TIME_ON), in the direction
/// the table remembers; the next run sorts the other way. Recorded like a column sort, so Undo brings
/// back the previous order.
ToolResult sortByDateAndTime(LogTable &table, UndoJournal &journal);

} // namespace quillog
