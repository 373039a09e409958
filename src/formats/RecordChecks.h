// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/SavePlan.h"

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quillog
{

/// One field of a record as a save writes it: the name and the trimmed, normalised value.
struct PreparedField {
    std::string_view name;
    std::string_view value;
    char type = 0;
    FieldRole role = FieldRole::Other;
};

/// The tests a record must pass to be saved, in their order; the first failure decides and gives the
/// heading that introduces the record in the save report.
class RecordChecks
{
public:
    RecordChecks(
        const SavePlan &plan, const std::vector<std::string> &modes, const std::vector<std::string> &bands);

    /// The heading of the first failed test, e.g. "Invalid 'CALL' value:\r\n"; empty when all pass.
    std::string_view failure(const std::vector<PreparedField> &fields) const;

private:
    /// Upper-case entries, looked up without building a string per value.
    class List
    {
    public:
        explicit List(const std::vector<std::string> &entries);
        /// True when the value, in any case, is an entry of at least two characters.
        bool contains(std::string_view value) const;

    private:
        std::vector<std::string> m_entries;
        std::unordered_set<std::string_view> m_index;
        std::size_t m_longest = 0;
    };

    bool m_checkTime = false;
    bool m_timeOnReported = false;
    bool m_checkBand = false;
    bool m_checkFrequency = false;
    List m_modes;
    List m_bands;
};

} // namespace quillog
