// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quillog
{

/// A call sign as log services take it: at least three characters, only letters, digits, "/" and "-"
/// (the numbered identifiers of short-wave listeners), with at least one letter and one digit.
bool isValidCallsign(std::string_view value);
/// An ADIF date: exactly eight digits YYYYMMDD, a real calendar day, the year 1930 or later.
bool isValidQsoDate(std::string_view value);
/// An ADIF time: HHMM or HHMMSS of a real time of day.
bool isValidQsoTime(std::string_view value);
/// A frequency in MHz as ADIF writes numbers (digits with an optional decimal point), above zero. With
/// decimalComma a comma may stand for the point, as the writer puts it when the operator asks for one.
bool isValidFrequency(std::string_view value, bool decimalComma = false);

/// A set of list entries looked up without regard to ASCII letter case.
class CaseInsensitiveSet
{
public:
    CaseInsensitiveSet() = default;
    explicit CaseInsensitiveSet(const std::vector<std::string> &entries);

    void insert(std::string_view entry);
    bool contains(std::string_view value) const;

private:
    struct Hash {
        using is_transparent = void;
        std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>()(text); }
    };
    std::unordered_set<std::string, Hash, std::equal_to<>> m_entries;
    std::size_t m_longest = 0;
};

} // namespace quillog
