// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/QsoMoment.h"

#include "core/Calendar.h"
#include "core/Text.h"

#include <algorithm>

namespace quillog
{

namespace
{

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), isDigit);
}

int number(std::string_view digits)
{
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

} // namespace

std::optional<int> qsoDay(std::string_view date)
{
    if (date.size() != 8 || !allDigits(date))
        return std::nullopt;
    if (!isValidDate(number(date.substr(0, 4)), number(date.substr(4, 2)), number(date.substr(6, 2))))
        return std::nullopt;
    return number(date);
}

std::optional<long long> qsoMinute(std::string_view date, std::string_view time)
{
    const auto day = qsoDay(date);
    if (!day || time.size() < 4 || !allDigits(time.substr(0, 4)))
        return std::nullopt;
    const int hour = number(time.substr(0, 2));
    const int minute = number(time.substr(2, 2));
    if (hour > 23 || minute > 59)
        return std::nullopt;
    const auto days = dayNumber(*day / 10000, *day / 100 % 100, *day % 100);
    if (!days)
        return std::nullopt;
    return static_cast<long long>(*days) * 1440 + hour * 60 + minute;
}

bool withinMatchWindow(long long firstMinute, long long secondMinute)
{
    // 0.0042 day, the tolerance eQSL users are used to; in whole minutes it admits six.
    constexpr double windowSeconds = 362.88;
    const long long apart
        = firstMinute > secondMinute ? firstMinute - secondMinute : secondMinute - firstMinute;
    return static_cast<double>(apart) * 60.0 < windowSeconds;
}

} // namespace quillog
