// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RecordNormalisation.h"

#include "core/Text.h"

#include <cstdio>

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

} // namespace

NormalisedFrequency normaliseFrequency(std::string_view value, bool commaFrequency)
{
    NormalisedFrequency result;
    std::string text(value);
    const std::size_t comma = text.find(',');
    if (comma != std::string::npos)
        text[comma] = '.';
    if (!holdsNumber(text)) {
        result.value = std::string(value);
        return result;
    }
    result.withoutSeparator = comma == std::string::npos && text.find('.') == std::string::npos;

    char formatted[400];
    std::snprintf(formatted, sizeof formatted, "%1.6f", leadingNumber(text));
    result.value = formatted;
    const std::size_t point = result.value.find('.');
    if (point != std::string::npos) {
        while (result.value.size() - point > 4 && result.value.back() == '0')
            result.value.pop_back();
        if (commaFrequency)
            result.value[point] = ',';
    }
    return result;
}

} // namespace quillog
