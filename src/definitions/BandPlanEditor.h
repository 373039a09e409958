// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "definitions/BandPlan.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

/// What OK did to bandplan.xml.
enum class BandPlanOkAction {
    Saved, ///< a frequency changed: the plan was written
    Removed, ///< the default plan was kept unchanged: the file was deleted so the default applies
    Untouched, ///< the operator's plan was kept unchanged: the file stays as it was
    SaveFailed, ///< the plan could not be written; the old file stays
};

/// The rules of the "Band to Frequency Plan" dialog: its working plan, Default and OK. The dialog shows
/// the rows and lets the operator edit only the frequencies.
class BandPlanEditor
{
public:
    /// Loads the working plan from the data folder (the default plan when there is no usable file).
    explicit BandPlanEditor(std::string dataFolder);

    const BandPlan &workingPlan() const { return m_working; }
    bool isDefault() const { return m_isDefault; }

    /// Replaces the working plan with the default plan; nothing is written.
    void restoreDefault();
    /// Takes the grid's rows (band, mode, frequency, cut to width) and writes, deletes or keeps the
    /// operator's file as they require.
    BandPlanOkAction accept(const std::vector<BandPlanRow> &gridRows);

private:
    std::string m_dataFolder;
    BandPlan m_working;
    bool m_isDefault = false;
};

} // namespace quillog
