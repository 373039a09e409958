// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RecordNormalisation.h"

#include "core/Text.h"

#include <charconv>

namespace quillog
{

std::string normaliseQsoDate(std::string_view value)
{
    std::string digits;
    for (const char c : value) {
        if (isDigit(c))
            digits.push_back(c);
    }
    return digits;
}

namespace
{

bool holdsNumber(std::string_view value)
{
    const std::string_view rest = trimmed(value);
    std::size_t i = (!rest.empty() && (rest[0] == '+' || rest[0] == '-')) ? 1 : 0;
    if (i < rest.size() && rest[i] == '.')
        ++i;
    return i < rest.size() && isDigit(rest[i]);
}

// True when the value is already as formatMegahertz() writes it with a point: up to nine digits
// without a needless leading zero, a point, then three to six decimals of which only the first three may
// end in zero. Such a value, of at most fifteen significant digits, reads back as itself, so most
// frequencies of a log are kept without a round trip through a double.
bool isWrittenMegahertz(std::string_view value)
{
    const std::size_t point = value.find('.');
    if (point == std::string_view::npos || point == 0 || point > 9 || (value[0] == '0' && point > 1))
        return false;
    const std::size_t decimals = value.size() - point - 1;
    if (decimals < 3 || decimals > 6 || (decimals > 3 && value.back() == '0'))
        return false;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (i != point && !isDigit(value[i]))
            return false;
    }
    return true;
}

} // namespace

std::string formatMegahertz(double megahertz, bool commaFrequency)
{
    // to_chars, unlike printf, keeps the point whatever locale the window has set.
    char digits[400]; // the largest double has 309 digits before the point
    const auto written
        = std::to_chars(digits, digits + sizeof digits, megahertz, std::chars_format::fixed, 6);
    std::string text(digits, written.ec == std::errc() ? written.ptr : digits);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) {
        while (text.size() - point > 4 && text.back() == '0')
            text.pop_back();
        if (commaFrequency)
            text[point] = ',';
    }
    return text;
}

NormalisedFrequency normaliseFrequency(std::string_view value, bool commaFrequency)
{
    NormalisedFrequency result;
    if (!commaFrequency && isWrittenMegahertz(value)) {
        result.value = std::string(value);
        return result;
    }
    std::string text(value);
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos)
        text[comma] = '.';
    if (!holdsNumber(text)) {
        result.value = std::string(value);
        return result;
    }
    result.withoutSeparator = comma == std::string::npos && text.find('.') == std::string::npos;

    result.value = formatMegahertz(leadingNumber(text), commaFrequency);
    return result;
}

} // namespace quillog
