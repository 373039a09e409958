// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/BandOrder.h"

#include "core/Text.h"

namespace quillog
{

std::optional<double> bandWavelength(std::string_view band)
{
    const std::string name = toUpper(trimmed(band));
    if (name == "SUBMM")
        return 0.0005;
    std::size_t digits = 0;
    while (digits < name.size() && (isDigit(name[digits]) || name[digits] == '.'))
        ++digits;
    if (digits == 0 || !isDigit(name[0]))
        return std::nullopt;
    const double number = leadingNumber(std::string_view(name).substr(0, digits));
    const std::string_view unit = std::string_view(name).substr(digits);
    if (number <= 0)
        return std::nullopt;
    if (unit == "M")
        return number;
    if (unit == "CM")
        return number / 100;
    if (unit == "MM")
        return number / 1000;
    return std::nullopt;
}

bool bandBefore(std::string_view a, std::string_view b)
{
    const auto first = bandWavelength(a);
    const auto second = bandWavelength(b);
    if (first && second && *first != *second)
        return *first > *second;
    if (first.has_value() != second.has_value())
        return first.has_value();
    return a < b;
}

} // namespace quillog
