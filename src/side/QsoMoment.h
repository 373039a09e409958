// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace quillog
{

/// The moment of a QSO in minutes since 30 December 1899, from an eight-character QSO_DATE (YYYYMMDD)
/// and a time of at least four characters (HHMM, seconds ignored). Nothing when either is no valid date
/// or time of day: a date that does not exist, an hour above 23, a minute above 59, a character that is
/// no digit.
std::optional<long long> qsoMinute(std::string_view date, std::string_view time);

/// The date of a QSO_DATE text as YYYYMMDD, when it is an eight-character valid date.
std::optional<int> qsoDay(std::string_view date);

/// Two QSOs are the same contact when their moments lie less than 362.88 seconds apart: six minutes
/// match, seven do not.
bool withinMatchWindow(long long firstMinute, long long secondMinute);

} // namespace quillog
