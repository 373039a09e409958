// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <ctime>
#include <string>
#include <string_view>

namespace quillog
{

/// One QSO as the operator types it into the entry window.
struct ManualQso {
    std::string call;
    std::string date; ///< YYYYMMDD
    std::string timeOff; ///< HHMM or HHMMSS, as typed
    bool addTimeOn = false; ///< also write the time as TIME_ON
    std::string band;
    std::string mode; ///< a mode, or "SUBMODE=MODE"
    std::string rstSent;
    std::string rstRcvd;
    std::string name;
    std::string qth;
    std::string gridsquare;
};

/// The required entries, in the window's tab order; None when all are there.
enum class ManualQsoField { None, Call, Date, TimeOff, Band, Mode, RstSent, RstRcvd };

struct ManualQsoRecord {
    std::string text; ///< the ADI fields of the record, without "<EOR>"; empty when a field is missing
    ManualQsoField missing = ManualQsoField::None; ///< the first required entry that is empty
};

/// The record of a typed QSO: CALL (upper case), QSO_DATE, TIME_OFF (and TIME_ON), BAND, MODE (and
/// SUBMODE for "SUBMODE=MODE"), RST_SENT, RST_RCVD, then NAME, QTH and GRIDSQUARE when given. The time
/// is padded with leading zeros to four digits, or cut to HHMM (five digits) or HHMMSS (more than six).
/// A gridsquare of four characters or more is written as its first four in upper case and the next
/// two in lower case; a shorter one is left out.
ManualQsoRecord manualQsoRecord(const ManualQso &qso);

/// The Time Off entry when the operator leaves it: a time whose first digit is 3 to 9 is an hour below
/// 10 typed without its zero and gets one in front; what is then shorter than four characters is taken
/// for a slip and replaced by the current UTC time as HHMM. An empty entry stays empty.
std::string completedTimeOff(std::string_view typed, std::time_t now);

/// The UTC date of a moment as YYYYMMDD; the entry window's date starts at today's.
std::string utcDate(std::time_t now);

/// The gridsquare as the record carries it: "ko85ab" gives "KO85ab"; empty when shorter than four.
std::string manualGridsquare(std::string_view typed);

} // namespace quillog
