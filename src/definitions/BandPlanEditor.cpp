// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/BandPlanEditor.h"

#include <filesystem>
#include <system_error>

namespace quillog
{

BandPlanEditor::BandPlanEditor(std::string dataFolder)
    : m_dataFolder(std::move(dataFolder))
{
    LoadedBandPlan loaded = loadBandPlan(m_dataFolder);
    m_working = std::move(loaded.plan);
    m_isDefault = loaded.isDefault;
}

void BandPlanEditor::restoreDefault()
{
    m_working = defaultBandPlan();
    m_isDefault = true;
}

BandPlanOkAction BandPlanEditor::accept(const std::vector<BandPlanRow> &gridRows)
{
    BandPlan edited;
    edited.rows.reserve(gridRows.size());
    for (const BandPlanRow &row : gridRows)
        edited.rows.push_back(makeBandPlanRow(row.band, row.mode, row.freq));
    if (edited != m_working)
        return saveBandPlan(edited, m_dataFolder) ? BandPlanOkAction::Saved : BandPlanOkAction::SaveFailed;
    if (!m_isDefault)
        return BandPlanOkAction::Untouched;
    std::error_code error;
    std::filesystem::remove(bandPlanPath(m_dataFolder), error);
    return BandPlanOkAction::Removed;
}

} // namespace quillog
