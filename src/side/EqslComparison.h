// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"
#include "core/LogTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class Progress;

/// The warning shown when a comparison selects nothing.
inline constexpr std::string_view kNoEqslRecordsMessage = "No eQSL records found.";

/// Which eQSL records the comparison lists. With no category chosen, New eQSLs counts as chosen.
struct EqslFilter {
    bool newEqsls = true; ///< in the log, not yet confirmed
    bool alreadyReceived = false; ///< in the log and confirmed
    bool notInLog = false; ///< no log QSO with the call
    bool swl = false; ///< short-wave listener reports
    bool useDateFilter = false;
    int fromDate = 0; ///< YYYYMMDD, included
    int toDate = 0; ///< YYYYMMDD, included
};

struct EqslComparison {
    /// The selected records: row 0 the inbox's field names (upper case, in order of first appearance),
    /// then one row per selected record in file order. No row-number column.
    LogTable records;
    /// Per selected record (index 0 for row 1): the log row it matched, else the first log row with its
    /// call, else -1.
    std::vector<int> logRows;
    bool stopped = false; ///< the operator stopped; the records selected so far stay
    std::string message; ///< empty when at least one record was selected

    int selected() const { return records.qsoCount(); }
};

/// Compares an eQSL inbox download (ADI bytes) with the open log, which is only read. A record is found
/// when a log QSO has its call (trimmed, letter case ignored), and confirmed when such a QSO lies within
/// the match window and the record or that QSO has EQSL_QSL_RCVD "Y". Records without call, valid date
/// or valid time are neither; SWL records are never compared.
EqslComparison compareEqslInbox(
    LargeBuffer inbox, const LogTable &log, const EqslFilter &filter, Progress &progress);
EqslComparison compareEqslInboxFile(
    const std::string &path, const LogTable &log, const EqslFilter &filter, Progress &progress);

} // namespace quillog
