// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/InvalidQsoNavigation.h"

#include "check/LogCheck.h"
#include "core/LogTable.h"

namespace quillog
{

namespace
{

bool isFailedRow(const LogTable &table, int row, Colour marked, Colour rowColour)
{
    const auto colour = table.backgroundColour(row, table.fixedColumnCount());
    return colour && (*colour == marked || *colour == rowColour);
}

} // namespace

int nextInvalidRow(const LogTable &table, int cursor, Colour markedColour)
{
    const int lastRow = table.qsoCount();
    if (cursor >= lastRow || cursor < 0)
        cursor = 0;
    const Colour rowColour = rowColourFor(markedColour);
    for (int row = cursor + 1; row <= lastRow; ++row) {
        if (isFailedRow(table, row, markedColour, rowColour))
            return row;
    }
    return cursor;
}

int previousInvalidRow(const LogTable &table, int cursor, Colour markedColour)
{
    const int lastRow = table.qsoCount();
    if (cursor > lastRow)
        cursor = lastRow;
    const Colour rowColour = rowColourFor(markedColour);
    for (int row = cursor - 1; row >= 1; --row) {
        if (isFailedRow(table, row, markedColour, rowColour))
            return row;
    }
    return cursor < 0 ? 0 : cursor;
}

} // namespace quillog
