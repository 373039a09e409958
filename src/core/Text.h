// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quillog
{

/// True for the C locale's white space: blank, tab, line feed, vertical tab, form feed, carriage return.
constexpr bool isBlank(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

constexpr char toUpperAscii(char c)
{
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

constexpr char toLowerAscii(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// Appends the UTF-8 form of a Unicode code point.
void appendUtf8(std::string &out, char32_t code);

/// How many bytes at the start are plain ASCII (below 0x80).
std::size_t asciiPrefixLength(std::string_view text);
inline bool isAscii(std::string_view text)
{
    return asciiPrefixLength(text) == text.size();
}

std::string_view trimmed(std::string_view text);
std::string_view trimmedRight(std::string_view text);
std::string toUpper(std::string_view text);
std::string toLower(std::string_view text);
bool equalsIgnoreCase(std::string_view a, std::string_view b);
/// Position of the first occurrence of an ASCII needle, letter case ignored; npos when absent.
std::size_t findIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t from = 0);
bool containsIgnoreCase(std::string_view haystack, std::string_view needle);

/// Reads a number the way a leading-number conversion does: optional blanks and sign, then the digits
/// (with a decimal point and exponent) up to the first character that does not belong; 0 when none.
/// A number too large for a double reads as the largest double, one too small as 0.
double leadingNumber(std::string_view text);
/// The integer form of leadingNumber(): blanks, sign and digits; saturates instead of overflowing.
long long leadingInteger(std::string_view text);

} // namespace quillog
