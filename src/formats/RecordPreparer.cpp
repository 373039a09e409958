// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RecordPreparer.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "formats/RecordNormalisation.h"

#include <utility>

namespace quillog
{

RecordPreparer::RecordPreparer(const SavePlan &plan, const SaveOptions &options)
    : m_plan(plan)
    , m_options(options)
{
}

const std::vector<PreparedField> &RecordPreparer::prepare(const LogTable &table, int row)
{
    m_fields.clear();
    for (const OutputColumn &column : m_plan.columns) {
        // Most cells of a wide log are empty: they are passed over before any trimming.
        std::string_view value = table.text(row, column.column);
        if (value.empty() || (value = trimmed(value)).empty())
            continue;
        if (column.role == FieldRole::QsoDate) {
            m_date = normaliseQsoDate(value);
            value = m_date;
        } else if (column.role == FieldRole::Freq) {
            NormalisedFrequency frequency = normaliseFrequency(value, m_options.commaFrequency);
            m_frequencyWithoutSeparator |= frequency.withoutSeparator;
            m_frequency = std::move(frequency.value);
            value = m_frequency;
        }
        m_fields.push_back({ column.name, value, column.type, column.role });
    }
    return m_fields;
}

} // namespace quillog
