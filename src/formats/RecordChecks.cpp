// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RecordChecks.h"

#include "core/Text.h"
#include "formats/SavePlan.h"

namespace quillog
{

namespace
{

std::unordered_set<std::string> upperCaseSet(const std::vector<std::string> &entries)
{
    std::unordered_set<std::string> set;
    for (const std::string &entry : entries)
        set.insert(toUpper(trimmed(entry)));
    return set;
}

bool startsWithFourDigits(std::string_view value)
{
    return value.size() >= 4 && isDigit(value[0]) && isDigit(value[1]) && isDigit(value[2])
        && isDigit(value[3]);
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
}

// The values of the fields the tests look at; absent fields stay empty and fail like invalid ones.
struct CheckedValues {
    std::string_view call, date, mode, timeOn, timeOff, band;
    bool hasFrequencyOrBand = false;
};

CheckedValues checkedValues(const std::vector<PreparedField> &fields)
{
    CheckedValues values;
    for (const PreparedField &field : fields) {
        const std::string_view name = field.name;
        if (name == "CALL")
            values.call = field.value;
        else if (name == "QSO_DATE")
            values.date = field.value;
        else if (name == "MODE")
            values.mode = field.value;
        else if (name == "TIME_ON")
            values.timeOn = field.value;
        else if (name == "TIME_OFF")
            values.timeOff = field.value;
        else if (name == "BAND")
            values.band = field.value;
        values.hasFrequencyOrBand |= startsWithIgnoreCase(name, "FREQ") || startsWithIgnoreCase(name, "BAND");
    }
    return values;
}

} // namespace

RecordChecks::RecordChecks(
    const SavePlan &plan, const std::vector<std::string> &modes, const std::vector<std::string> &bands)
    : m_checkTime(plan.hasTimeOn || plan.hasTimeOff)
    , m_timeOnReported(plan.hasTimeOn)
    , m_checkBand(plan.hasBand)
    , m_checkFrequency(plan.hasFreq)
    , m_modes(upperCaseSet(modes))
    , m_bands(upperCaseSet(bands))
{
}

bool RecordChecks::listed(const std::unordered_set<std::string> &list, std::string_view value)
{
    return value.size() >= 2 && list.count(toUpper(value)) != 0;
}

std::string_view RecordChecks::failure(const std::vector<PreparedField> &fields) const
{
    const CheckedValues values = checkedValues(fields);
    if (values.call.size() < 3)
        return "Invalid 'CALL' value:\r\n";
    if (values.date.size() != 8)
        return "Invalid 'QSO_DATE' value:\r\n";
    if (!listed(m_modes, values.mode))
        return "Invalid 'MODE' value:\r\n";
    if (m_checkTime && !startsWithFourDigits(values.timeOn) && !startsWithFourDigits(values.timeOff))
        return m_timeOnReported ? "Invalid 'TIME_ON' value:\r\n" : "Invalid 'TIME_OFF' value:\r\n";
    if (m_checkBand && !listed(m_bands, values.band))
        return "Invalid 'BAND' value:\r\n";
    if (m_checkFrequency && !values.hasFrequencyOrBand)
        return "Invalid 'FREQ' value:\r\n";
    return {};
}

} // namespace quillog
