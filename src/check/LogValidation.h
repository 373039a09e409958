// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/Finding.h"
#include "check/LogCheck.h"

#include <string>
#include <vector>

namespace quillog
{

class AdifCatalogue;
class LogTable;
class Progress;
struct ValidationProfile;

struct ValidationOptions {
    const ValidationProfile *profile = nullptr; ///< nullptr: the rules of ADIF 3.1.6 only
    /// The operator writes FREQ with a decimal comma ("Use Comma as <FREQ> point"); a save then keeps
    /// the comma, which the upload services refuse.
    bool commaFrequency = false;
    int today = 0; ///< YYYYMMDD in UTC; dates after it are in the future. 0 takes the clock's date.
};

struct ValidationReport {
    std::vector<Finding> findings; ///< in row order, and by column within a row
    int errors = 0;
    int warnings = 0;
    int rowsChecked = 0;
    bool stopped = false; ///< the operator stopped it; rows after rowsChecked were not looked at

    /// The closing line: "12 errors and 3 warnings in 10 of 250 QSOs (profile lotw)." and the like.
    std::string summary(const std::string &profileName, int qsos) const;
};

/// Validates every QSO row of the table against ADIF 3.1.6 and, when one is given, the
/// profile of the service the log goes to. Values and colours stay as they are. The progress is asked
/// once per row; a stop ends the walk after the current row.
ValidationReport validateLog(const LogTable &table, const AdifCatalogue &catalogue,
    const ValidationOptions &options, Progress &progress);

/// Colours the table as the log check does: a cell with a finding in the marked colour, the other data
/// cells of its row in the row colour, every data cell of a row without findings in the normal colour.
/// Next and Previous Invalid QSO then step through the rows with findings. Rows the validation did not
/// reach (after a stop) keep their colours.
void markFindings(LogTable &table, const ValidationReport &report, const CheckColours &colours);

/// Today's date in UTC as YYYYMMDD.
int todayUtc();

} // namespace quillog
