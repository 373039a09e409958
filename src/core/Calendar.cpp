// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Calendar.h"

#include "core/Text.h"

namespace quillog
{

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int daysInMonth(int year, int month)
{
    static constexpr int days[] = { 31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31 };
    if (month < 1 || month > 12)
        return 0;
    return month == 2 && isLeapYear(year) ? 29 : days[month - 1];
}

bool isValidDate(int year, int month, int day)
{
    return year >= 100 && year <= 9999 && day >= 1 && day <= daysInMonth(year, month);
}

std::optional<long> dayNumber(int year, int month, int day)
{
    if (!isValidDate(year, month, day))
        return std::nullopt;
    // Days from the civil epoch 0000-03-01, shifted so that 1899-12-30 is day 0.
    const long y = month <= 2 ? year - 1 : year;
    const long era = y / 400;
    const long yearOfEra = y - era * 400;
    const long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
    const long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    constexpr long daysTo18991230 = 693899;
    return era * 146097 + dayOfEra - daysTo18991230;
}

std::optional<long> dayNumberOfLeadingDate(std::string_view text)
{
    if (text.size() < 8)
        return std::nullopt;
    const auto part = [&](std::size_t from, std::size_t length) {
        return static_cast<int>(leadingInteger(text.substr(from, length)));
    };
    return dayNumber(part(0, 4), part(4, 2), part(6, 2)).value_or(0);
}

} // namespace quillog
