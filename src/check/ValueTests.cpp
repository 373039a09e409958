// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/ValueTests.h"

#include "core/Calendar.h"
#include "core/Text.h"

#include <algorithm>
#include <array>

namespace quillog
{

namespace
{

bool isLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool allDigits(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), isDigit);
}

// The value of two digits; the caller has made sure they are digits.
int twoDigits(std::string_view text, std::size_t at)
{
    return (text[at] - '0') * 10 + (text[at + 1] - '0');
}

} // namespace

bool isValidCallsign(std::string_view value)
{
    if (value.size() < 3)
        return false;
    bool letter = false, digit = false;
    for (const char c : value) {
        letter = letter || isLetter(c);
        digit = digit || isDigit(c);
        if (!isLetter(c) && !isDigit(c) && c != '/' && c != '-')
            return false;
    }
    return letter && digit;
}

bool isValidQsoDate(std::string_view value)
{
    if (value.size() != 8 || !allDigits(value))
        return false;
    const int year = twoDigits(value, 0) * 100 + twoDigits(value, 2);
    return year >= 1930 && isValidDate(year, twoDigits(value, 4), twoDigits(value, 6));
}

bool isValidQsoTime(std::string_view value)
{
    if ((value.size() != 4 && value.size() != 6) || !allDigits(value))
        return false;
    return twoDigits(value, 0) < 24 && twoDigits(value, 2) < 60
        && (value.size() == 4 || twoDigits(value, 4) < 60);
}

bool isValidFrequency(std::string_view value, bool decimalComma)
{
    bool point = false, nonZero = false, digits = false;
    for (const char c : value) {
        if ((c == '.' || (decimalComma && c == ',')) && !point) {
            point = true;
            continue;
        }
        if (!isDigit(c))
            return false;
        digits = true;
        nonZero = nonZero || c != '0';
    }
    return digits && nonZero;
}

CaseInsensitiveSet::CaseInsensitiveSet(const std::vector<std::string> &entries)
{
    for (const std::string &entry : entries)
        insert(entry);
}

void CaseInsensitiveSet::insert(std::string_view entry)
{
    m_entries.insert(toUpper(entry));
    m_longest = std::max(m_longest, entry.size());
}

bool CaseInsensitiveSet::contains(std::string_view value) const
{
    // Upper-cases into a buffer on the stack: the check looks up two values in every row.
    std::array<char, 64> buffer;
    if (value.size() > m_longest)
        return false;
    if (value.size() > buffer.size())
        return m_entries.contains(toUpper(value));
    std::transform(value.begin(), value.end(), buffer.begin(), toUpperAscii);
    return m_entries.contains(std::string_view(buffer.data(), value.size()));
}

} // namespace quillog
