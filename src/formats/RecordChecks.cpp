// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RecordChecks.h"

#include "core/Text.h"
#include "formats/SavePlan.h"

#include <algorithm>

namespace quillog
{

namespace
{

bool startsWithFourDigits(std::string_view value)
{
    return value.size() >= 4 && isDigit(value[0]) && isDigit(value[1]) && isDigit(value[2])
        && isDigit(value[3]);
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
        switch (field.role) {
        case FieldRole::Call:
            values.call = field.value;
            break;
        case FieldRole::QsoDate:
            values.date = field.value;
            break;
        case FieldRole::Mode:
            values.mode = field.value;
            break;
        case FieldRole::TimeOn:
            values.timeOn = field.value;
            break;
        case FieldRole::TimeOff:
            values.timeOff = field.value;
            break;
        case FieldRole::Band:
            values.band = field.value;
            values.hasFrequencyOrBand = true;
            break;
        case FieldRole::Freq:
        case FieldRole::OtherFrequencyOrBand:
            values.hasFrequencyOrBand = true;
            break;
        case FieldRole::Other:
            break;
        }
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
    , m_modes(modes)
    , m_bands(bands)
{
}

RecordChecks::List::List(const std::vector<std::string> &entries)
{
    m_entries.reserve(entries.size());
    for (const std::string &entry : entries)
        m_entries.push_back(toUpper(trimmed(entry)));
    // The views point into m_entries, which no longer grows.
    for (const std::string &entry : m_entries) {
        m_index.insert(entry);
        m_longest = std::max(m_longest, entry.size());
    }
}

bool RecordChecks::List::contains(std::string_view value) const
{
    // A value longer than every entry cannot be one, so a small buffer holds every candidate.
    if (value.size() < 2 || value.size() > m_longest)
        return false;
    char upper[64];
    std::string scratch;
    char *text = upper;
    if (value.size() > sizeof upper) {
        scratch.resize(value.size());
        text = scratch.data();
    }
    for (std::size_t i = 0; i < value.size(); ++i)
        text[i] = toUpperAscii(value[i]);
    return m_index.count(std::string_view(text, value.size())) != 0;
}

std::string_view RecordChecks::failure(const std::vector<PreparedField> &fields) const
{
    const CheckedValues values = checkedValues(fields);
    if (values.call.size() < 3)
        return "Invalid 'CALL' value:\r\n";
    if (values.date.size() != 8)
        return "Invalid 'QSO_DATE' value:\r\n";
    if (!m_modes.contains(values.mode))
        return "Invalid 'MODE' value:\r\n";
    if (m_checkTime && !startsWithFourDigits(values.timeOn) && !startsWithFourDigits(values.timeOff))
        return m_timeOnReported ? "Invalid 'TIME_ON' value:\r\n" : "Invalid 'TIME_OFF' value:\r\n";
    if (m_checkBand && !m_bands.contains(values.band))
        return "Invalid 'BAND' value:\r\n";
    if (m_checkFrequency && !values.hasFrequencyOrBand)
        return "Invalid 'FREQ' value:\r\n";
    return {};
}

} // namespace quillog
