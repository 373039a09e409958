// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/AdifValueTypes.h"

#include "check/ValueTests.h"
#include "core/Text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace quillog
{

namespace
{

bool isAsciiLetter(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool isAlphanumeric(char c)
{
    return isAsciiLetter(c) || isDigit(c);
}

bool letterIn(char c, char last)
{
    const char upper = toUpperAscii(c);
    return upper >= 'A' && upper <= last;
}

bool allOf(std::string_view text, bool (*test)(char))
{
    return std::all_of(text.begin(), text.end(), test);
}

bool isDigits(std::string_view text)
{
    return !text.empty() && allOf(text, isDigit);
}

// ADIF Number: an optional minus, digits with at most one decimal point, at least one digit.
bool isNumber(std::string_view value)
{
    if (value.starts_with('-'))
        value.remove_prefix(1);
    const auto points = std::count(value.begin(), value.end(), '.');
    const auto digits = std::count_if(value.begin(), value.end(), isDigit);
    return points <= 1 && digits > 0 && static_cast<std::size_t>(points + digits) == value.size();
}

bool isInteger(std::string_view value)
{
    return isDigits(value.starts_with('-') ? value.substr(1) : value);
}

bool isBoolean(std::string_view value)
{
    return value.size() == 1 && (toUpperAscii(value[0]) == 'Y' || toUpperAscii(value[0]) == 'N');
}

// XDDD MM.MMM: a direction, three digits of degrees (at most 90 north or south, 180 east or west), a
// blank, minutes below 60 with three decimals.
bool isLocation(std::string_view value)
{
    if (value.size() != 11 || value[4] != ' ' || value[7] != '.')
        return false;
    const char direction = toUpperAscii(value[0]);
    const std::string_view degrees = value.substr(1, 3), minutes = value.substr(5, 2),
                           fraction = value.substr(8);
    if (!isDigits(degrees) || !isDigits(minutes) || !isDigits(fraction))
        return false;
    const int limit = (direction == 'N' || direction == 'S') ? 90
        : (direction == 'E' || direction == 'W')             ? 180
                                                             : -1;
    const int whole = std::stoi(std::string(degrees));
    const int minute = std::stoi(std::string(minutes));
    return whole <= limit && minute < 60 && (whole < limit || (minute == 0 && fraction == "000"));
}

bool isGridSquareExt(std::string_view value)
{
    if (value.size() != 2 && value.size() != 4)
        return false;
    return letterIn(value[0], 'X') && letterIn(value[1], 'X')
        && (value.size() == 2 || (isDigit(value[2]) && isDigit(value[3])));
}

template <typename Test> bool isList(std::string_view value, char separator, Test test)
{
    while (true) {
        const std::size_t end = value.find(separator);
        if (!test(value.substr(0, end)))
            return false;
        if (end == std::string_view::npos)
            return true;
        value.remove_prefix(end + 1);
    }
}

// CC-NNN: a continent and an island group number from 001 to 999.
bool isIotaReference(std::string_view value)
{
    static constexpr std::array continents { "AF", "AN", "AS", "EU", "NA", "OC", "SA" };
    if (value.size() != 6 || value[2] != '-' || !isDigits(value.substr(3)) || value.substr(3) == "000")
        return false;
    const std::string prefix = toUpper(value.substr(0, 2));
    return std::find(continents.begin(), continents.end(), prefix) != continents.end();
}

// An association prefix, "/", a two-character region, "-" and three digits: W2/WE-003, G/LD-003.
bool isSotaReference(std::string_view value)
{
    const std::size_t slash = value.find('/');
    if (slash == 0 || slash == std::string_view::npos || slash > 8)
        return false;
    const std::string_view association = value.substr(0, slash), summit = value.substr(slash + 1);
    return allOf(association, isAlphanumeric) && summit.size() == 6 && isAlphanumeric(summit[0])
        && isAlphanumeric(summit[1]) && summit[2] == '-' && isDigits(summit.substr(3));
}

// xxFF-nnnn: a programme of one to four characters, "FF-" and four digits.
bool isWwffReference(std::string_view value)
{
    const std::size_t dash = value.find('-');
    if (dash == std::string_view::npos || dash < 3 || dash > 6)
        return false;
    const std::string_view programme = value.substr(0, dash - 2), number = value.substr(dash + 1);
    return allOf(programme, isAlphanumeric) && toUpperAscii(value[dash - 2]) == 'F'
        && toUpperAscii(value[dash - 1]) == 'F' && number.size() == 4 && isDigits(number);
}

// "ST,County": a state code and a county name.
bool isSecondarySubdivision(std::string_view value)
{
    const std::size_t comma = value.find(',');
    return comma != std::string_view::npos && comma > 0 && comma + 1 < value.size();
}

// "enumeration-name:code": NZ_Regions:Hawkes Bay/Wairoa.
bool isSecondarySubdivisionAlt(std::string_view value)
{
    const std::size_t colon = value.find(':');
    return colon != std::string_view::npos && colon > 0 && colon + 1 < value.size();
}

bool isNonEmptyItem(std::string_view value)
{
    return !trimmed(value).empty();
}

// Characters 32 to 126; a String allows no line break, a MultilineString allows CR LF pairs. Bytes above
// 127 are international characters: allowed in the Intl types, a warning in the others.
std::optional<TypeProblem> textProblem(std::string_view value, bool multiline, bool international)
{
    bool nonAscii = false;
    for (std::size_t at = 0; at < value.size(); ++at) {
        const auto byte = static_cast<unsigned char>(value[at]);
        const bool lineBreak = multiline && byte == '\r' && at + 1 < value.size() && value[at + 1] == '\n';
        if (lineBreak || (multiline && byte == '\n' && at > 0 && value[at - 1] == '\r'))
            continue;
        if (multiline && byte == '\n')
            return TypeProblem { Severity::Warning,
                "has a line break without CR; ADIF writes line breaks as CR LF" };
        if (byte < 32 || byte == 127)
            return TypeProblem { Severity::Error,
                multiline ? "holds a control character other than a CR LF line break"
                          : "holds a line break or control character, which this field does not allow" };
        nonAscii = nonAscii || byte > 127;
    }
    if (nonAscii && !international)
        return TypeProblem { Severity::Warning,
            "holds non-ASCII characters; ADIF allows only ASCII here (use the field's _INTL form in ADX)" };
    return std::nullopt;
}

std::optional<TypeProblem> error(bool passes, std::string_view reason)
{
    return passes ? std::nullopt : std::optional<TypeProblem>(TypeProblem { Severity::Error, reason });
}

} // namespace

AdifType adifTypeNamed(std::string_view name)
{
    static constexpr std::array<std::pair<std::string_view, AdifType>, 26> types { {
        { "String", AdifType::String },
        { "MultilineString", AdifType::MultilineString },
        { "IntlString", AdifType::IntlString },
        { "IntlMultilineString", AdifType::IntlMultilineString },
        { "Number", AdifType::Number },
        { "Integer", AdifType::Integer },
        { "PositiveInteger", AdifType::PositiveInteger },
        { "Boolean", AdifType::Boolean },
        { "Date", AdifType::Date },
        { "Time", AdifType::Time },
        { "Enumeration", AdifType::Enumeration },
        { "Location", AdifType::Location },
        { "GridSquare", AdifType::GridSquare },
        { "GridSquareExt", AdifType::GridSquareExt },
        { "GridSquareList", AdifType::GridSquareList },
        { "IOTARefNo", AdifType::IotaReference },
        { "SOTARef", AdifType::SotaReference },
        { "WWFFRef", AdifType::WwffReference },
        { "POTARefList", AdifType::PotaReferenceList },
        { "POTARef", AdifType::PotaReferenceList },
        { "CreditList", AdifType::CreditList },
        { "CreditList,AwardList", AdifType::CreditList },
        { "AwardList", AdifType::CreditList },
        { "SponsoredAwardList", AdifType::SponsoredAwardList },
        { "SecondarySubdivisionList", AdifType::SecondarySubdivisionList },
        { "SecondaryAdministrativeSubdivisionListAlt", AdifType::SecondarySubdivisionListAlt },
    } };
    for (const auto &[typeName, type] : types) {
        if (typeName == name)
            return type;
    }
    return AdifType::Other;
}

bool isGridSquare(std::string_view value)
{
    static constexpr std::array<char, 8> last { 'R', 'R', '9', '9', 'X', 'X', '9', '9' };
    if (value.size() != 2 && value.size() != 4 && value.size() != 6 && value.size() != 8)
        return false;
    for (std::size_t at = 0; at < value.size(); ++at) {
        const bool ok = last[at] == '9' ? isDigit(value[at]) : letterIn(value[at], last[at]);
        if (!ok)
            return false;
    }
    return true;
}

// xxxx-nnnnn[@yyyyyy]: a programme of one to four characters, four or five digits, and optionally "@" and
// an ISO 3166-2 code of four to six characters.
bool isPotaReference(std::string_view value)
{
    const std::size_t at = value.find('@');
    if (at != std::string_view::npos) {
        const std::string_view location = value.substr(at + 1);
        if (location.size() < 4 || location.size() > 6 || location.find('-') == std::string_view::npos
            || !std::all_of(
                location.begin(), location.end(), [](char c) { return isAlphanumeric(c) || c == '-'; }))
            return false;
        value = value.substr(0, at);
    }
    const std::size_t dash = value.find('-');
    if (dash == 0 || dash == std::string_view::npos || dash > 4)
        return false;
    const std::string_view number = value.substr(dash + 1);
    return allOf(value.substr(0, dash), isAlphanumeric) && (number.size() == 4 || number.size() == 5)
        && isDigits(number);
}

std::optional<TypeProblem> typeProblem(AdifType type, std::string_view value)
{
    switch (type) {
    case AdifType::String:
    case AdifType::Enumeration:
    case AdifType::Other:
        return textProblem(value, false, false);
    case AdifType::MultilineString:
        return textProblem(value, true, false);
    case AdifType::IntlString:
        return textProblem(value, false, true);
    case AdifType::IntlMultilineString:
        return textProblem(value, true, true);
    case AdifType::Number:
        return error(isNumber(value), "is not a number (digits with an optional point and minus sign)");
    case AdifType::Integer:
        return error(isInteger(value), "is not a whole number");
    case AdifType::PositiveInteger:
        return error(isDigits(value) && numberValue(value) > 0, "is not a whole number above 0");
    case AdifType::Boolean:
        return error(isBoolean(value), "is not Y or N");
    case AdifType::Date:
        if (value.size() == 8 && isDigits(value) && value < "1930")
            return TypeProblem { Severity::Error, "is before 1930, the earliest date ADIF allows" };
        return error(isValidQsoDate(value), "is not a real date written YYYYMMDD");
    case AdifType::Time:
        return error(isValidQsoTime(value),
            "is not a time written HHMM or HHMMSS (hours 00-23, minutes and seconds 00-59)");
    case AdifType::Location:
        return error(isLocation(value), "is not a location written XDDD MM.MMM (e.g. N051 30.500)");
    case AdifType::GridSquare:
        return error(
            isGridSquare(value), "is not a Maidenhead locator of 2, 4, 6 or 8 characters (e.g. FN31pr)");
    case AdifType::GridSquareExt:
        return error(
            isGridSquareExt(value), "is not a locator extension (two letters A-X, optionally two digits)");
    case AdifType::GridSquareList:
        return error(
            isList(value, ',', isGridSquare), "is not a comma-separated list of Maidenhead locators");
    case AdifType::IotaReference:
        return error(isIotaReference(value), "is not an IOTA reference written CC-NNN (e.g. EU-005)");
    case AdifType::SotaReference:
        return error(isSotaReference(value), "is not a SOTA reference (e.g. W2/WE-003)");
    case AdifType::WwffReference:
        return error(isWwffReference(value), "is not a WWFF reference written xxFF-nnnn (e.g. KFF-4655)");
    case AdifType::PotaReferenceList:
        return error(isList(value, ',', isPotaReference),
            "is not a list of POTA park references (e.g. K-0817 or K-4562@US-CA)");
    case AdifType::CreditList:
    case AdifType::SponsoredAwardList:
        return error(isList(value, ',', isNonEmptyItem), "is not a comma-separated list");
    case AdifType::SecondarySubdivisionList:
        return error(isList(value, ':', isSecondarySubdivision),
            "is not a colon-separated list of state,county pairs (e.g. MA,Franklin:MA,Hampshire)");
    case AdifType::SecondarySubdivisionListAlt:
        return error(isList(value, ';', isSecondarySubdivisionAlt),
            "is not a semicolon-separated list of name:code entries (e.g. NZ_Regions:Hawkes Bay/Wairoa)");
    }
    return std::nullopt;
}

double numberValue(std::string_view value)
{
    return leadingNumber(value);
}

} // namespace quillog
