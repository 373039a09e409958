// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace quillog
{

bool isLeapYear(int year);
int daysInMonth(int year, int month);
/// True for a date of the years 100 to 9999 that exists in the Gregorian calendar.
bool isValidDate(int year, int month, int day);
/// Days since 30 December 1899 (day 0 of the usual spreadsheet count); nothing for an invalid date.
std::optional<long> dayNumber(int year, int month, int day);
/// The day number of a text that starts with an eight-character YYYYMMDD date; 0 when those eight
/// characters are no valid date, nothing when the text is shorter than eight characters.
std::optional<long> dayNumberOfLeadingDate(std::string_view text);

} // namespace quillog
