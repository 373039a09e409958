// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/SaveOptions.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;

/// What a save does with a field beyond writing it: the fields it normalises and the ones its checks
/// look at. OtherFrequencyOrBand is any other name beginning with FREQ or BAND (FREQ_RX, BAND_RX).
enum class FieldRole : unsigned char {
    Other,
    Call,
    QsoDate,
    Mode,
    TimeOn,
    TimeOff,
    Band,
    Freq,
    OtherFrequencyOrBand
};

/// The role of an upper-case field name.
FieldRole fieldRole(std::string_view name);

/// A field column that a save writes.
struct OutputColumn {
    std::string name; ///< trimmed, upper case
    int column = -1;
    char type = 0; ///< type letter for the type indicator, 0 when none is written
    FieldRole role = FieldRole::Other;
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
