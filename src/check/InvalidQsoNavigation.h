// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Colour.h"

namespace quillog
{

class LogTable;

/// Next Invalid QSO: the first failed row after the cursor, found by the colour the check gave the
/// row's first data cell (marked or row colour). A cursor on or beyond the last row starts from the
/// top. Without a failed row further down the cursor stays, so the window scrolls to the returned row
/// either way. Row 0 is "before the first QSO".
int nextInvalidRow(const LogTable &table, int cursor, Colour markedColour);

/// Previous Invalid QSO: the nearest failed row above the cursor; a cursor beyond the last row starts
/// from the last row. Without a failed row above, the cursor stays.
int previousInvalidRow(const LogTable &table, int cursor, Colour markedColour);

} // namespace quillog
