// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quillog
{

struct SavePlan;

/// One field of a record as a save writes it: the name and the trimmed, normalised value.
struct PreparedField {
    std::string_view name;
    std::string_view value;
    char type = 0;
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
    static bool listed(const std::unordered_set<std::string> &list, std::string_view value);

    bool m_checkTime = false;
    bool m_timeOnReported = false;
    bool m_checkBand = false;
    bool m_checkFrequency = false;
    std::unordered_set<std::string> m_modes; // upper case
    std::unordered_set<std::string> m_bands; // upper case
};

} // namespace quillog
