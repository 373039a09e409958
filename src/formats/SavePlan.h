// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/SaveOptions.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;

/// A field column that a save writes.
struct OutputColumn {
    std::string name; ///< trimmed, upper case
    int column = -1;
    char type = 0; ///< type letter for the type indicator, 0 when none is written
};

/// Which columns and rows a save writes.
struct SavePlan {
    std::vector<OutputColumn> columns;
    bool hasTimeOn = false;
    bool hasTimeOff = false;
    bool hasBand = false;
    bool hasFreq = false;
    std::vector<int> rows;
};

/// Takes every named column once (the first of equal names wins), leaving out the fixed "#" column;
/// the rows are all QSO rows, or with selectionOnly those with a selected cell in the selection.
SavePlan makeSavePlan(const LogTable &table, const SaveOptions &options, const TypeMap &typeMap);

} // namespace quillog
