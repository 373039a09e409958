// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/RecordChecks.h"
#include "formats/SaveOptions.h"
#include "formats/SavePlan.h"

#include <string>
#include <vector>

namespace quillog
{

class LogTable;

/// Collects a row's fields as a save writes them: trimmed, empty ones left out, QSO_DATE and FREQ
/// normalised. Every writer of records (a save, a split, the clipboard) prepares them so. The
/// normalised values live here until the next row.
class RecordPreparer
{
public:
    /// Both must outlive the preparer.
    RecordPreparer(const SavePlan &plan, const SaveOptions &options);

    /// The fields of one row, valid until the next call.
    const std::vector<PreparedField> &prepare(const LogTable &table, int row);

    /// True when a FREQ value prepared so far had no decimal separator.
    bool frequencyWithoutSeparator() const { return m_frequencyWithoutSeparator; }

private:
    const SavePlan &m_plan;
    const SaveOptions &m_options;
    std::vector<PreparedField> m_fields;
    std::string m_date;
    std::string m_frequency;
    bool m_frequencyWithoutSeparator = false;
};

} // namespace quillog
