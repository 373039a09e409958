// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <limits>

namespace quillog
{

void appendUtf8(std::string &out, char32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

std::size_t asciiPrefixLength(std::string_view text)
{
    // Eight bytes at a time: most logs are plain ASCII from start to end.
    std::size_t i = 0;
    for (; i + sizeof(std::uint64_t) <= text.size(); i += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, text.data() + i, sizeof word);
        if ((word & 0x8080808080808080ull) != 0)
            break;
    }
    while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80)
        ++i;
    return i;
}

std::string_view trimmed(std::string_view text)
{
    std::size_t first = 0;
    while (first < text.size() && isBlank(text[first]))
        ++first;
    return trimmedRight(text.substr(first));
}

std::string_view trimmedRight(std::string_view text)
{
    std::size_t end = text.size();
    while (end > 0 && isBlank(text[end - 1]))
        --end;
    return text.substr(0, end);
}

std::string toUpper(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = toUpperAscii(c);
    return result;
}

std::string toLower(std::string_view text)
{
    std::string result(text);
    for (char &c : result)
        c = toLowerAscii(c);
    return result;
}

bool equalsIgnoreCase(std::string_view a, std::string_view b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (toUpperAscii(a[i]) != toUpperAscii(b[i]))
            return false;
    }
    return true;
}

std::size_t findIgnoreCase(std::string_view haystack, std::string_view needle, std::size_t from)
{
    if (needle.empty())
        return from <= haystack.size() ? from : std::string_view::npos;
    if (haystack.size() < needle.size())
        return std::string_view::npos;
    const char first = toUpperAscii(needle[0]);
    for (std::size_t i = from; i + needle.size() <= haystack.size(); ++i) {
        if (toUpperAscii(haystack[i]) == first && equalsIgnoreCase(haystack.substr(i, needle.size()), needle))
            return i;
    }
    return std::string_view::npos;
}

bool containsIgnoreCase(std::string_view haystack, std::string_view needle)
{
    return findIgnoreCase(haystack, needle) != std::string_view::npos;
}

namespace
{

// Skips leading blanks and an optional sign; returns the rest and whether the number is negative.
std::string_view afterSign(std::string_view text, bool &negative)
{
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    return text.substr(i);
}

// For a number too large or too small for a double: true when it is too small (its decimal exponent is
// negative), so it reads as 0 rather than as the largest double.
bool isBelowRange(std::string_view number)
{
    const std::size_t exponentAt = number.find_first_of("eE");
    const std::string_view mantissa = number.substr(0, exponentAt);
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::size_t firstDigit = mantissa.find_first_of("123456789");
    if (firstDigit == std::string_view::npos)
        return true;
    const long long magnitude = firstDigit < point ? static_cast<long long>(point - firstDigit) - 1
                                                   : -static_cast<long long>(firstDigit - point);
    const long long exponent
        = exponentAt == std::string_view::npos ? 0 : leadingInteger(number.substr(exponentAt + 1));
    return exponent < -magnitude;
}

} // namespace

double leadingNumber(std::string_view text)
{
    bool negative = false;
    const std::string_view rest = afterSign(text, negative);
    // from_chars alone would also take "inf", "nan" and a second sign; only digits or a point start a number.
    const bool startsNumber
        = !rest.empty() && (isDigit(rest[0]) || (rest[0] == '.' && rest.size() > 1 && isDigit(rest[1])));
    if (!startsNumber)
        return 0.0;
    double value = 0.0;
    const auto [end, error] = std::from_chars(rest.data(), rest.data() + rest.size(), value);
    if (error == std::errc::result_out_of_range)
        value = isBelowRange(rest.substr(0, static_cast<std::size_t>(end - rest.data())))
            ? 0.0
            : std::numeric_limits<double>::max();
    else if (error != std::errc())
        value = 0.0;
    return negative ? -value : value;
}

long long leadingInteger(std::string_view text)
{
    bool negative = false;
    const std::string_view rest = afterSign(text, negative);
    constexpr long long limit = std::numeric_limits<long long>::max();
    long long value = 0;
    for (const char c : rest) {
        if (!isDigit(c))
            break;
        const int digit = c - '0';
        value = value > (limit - digit) / 10 ? limit : value * 10 + digit;
    }
    return negative ? -value : value;
}

} // namespace quillog
