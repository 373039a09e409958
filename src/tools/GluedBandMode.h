// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

namespace quillog
{

class LogTable;
class UndoJournal;

/// True when the first field of the first QSO holds a band with its mode glued on, as printed
/// listings write "40CW" or "20SSB": it contains CW, SSB, RTTY, AM or FM and something more.
bool hasGluedBandMode(const LogTable &table);

/// Splits such a first column in two: a copy of it is inserted to its right, the letters are removed
/// from the first (leaving the band) and the digits from the copy (leaving the mode). Does nothing
/// when hasGluedBandMode() is false.
ToolResult splitGluedBandMode(LogTable &table, UndoJournal &journal);

} // namespace quillog
