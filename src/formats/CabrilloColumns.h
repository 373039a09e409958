// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "definitions/ContestTemplates.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;

/// The exchange field names for a contest: the field list of the first template of that name, the
/// Sweepstakes layout for ARRL-SS-CW and ARRL-SS-SSB, or a generic list. Each item is cut to its name
/// (before any "(" or ":"); a leading MY_CALL is left out, since the sent call has its own column.
std::vector<std::string> cabrilloExchangeNames(
    std::string_view contest, const std::vector<ContestTemplate> &templates);

/// Names the columns of an imported Cabrillo log (column 0 is the frequency): FREQ, MODE, QSO_DATE,
/// TIME_ON, OPERATOR, then the exchange names. A report name takes a column only when one of the first
/// four QSOs holds "599" or "59" there; a serial, grid or name after such a column names the next one.
void nameCabrilloColumns(LogTable &table, const std::vector<std::string> &exchange);

/// A Cabrillo frequency in kHz as ADIF megahertz, fractions of a kHz kept: "14025.5" gives "14.0255",
/// "7000" gives "7.000". Band designators ("50", "144", "1.2") and values outside the HF and 6 m / 4 m
/// bands stay as they are.
std::string cabrilloFrequency(std::string_view cell, bool decimalComma);

/// Turns the FREQ column into megahertz, the MODE "PH" into "SSB" and QSO_DATE "2024-02-17" into
/// "20240217".
void fixCabrilloValues(LogTable &table, bool decimalComma);

} // namespace quillog
