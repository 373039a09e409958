// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "definitions/BandPlanEditor.h"
#include "settings/Settings.h"

#include <QDialog>

class QTableWidget;

namespace quillog::ui
{

/// "Band to Frequency Plan": the plan's rows in a grid where only the frequencies can be edited, with
/// Default, OK and Cancel. OK hands the rows to BandPlanEditor, which writes or removes bandplan.xml.
class BandPlanDialog : public QDialog
{
    Q_OBJECT

public:
    BandPlanDialog(std::string dataFolder, const GridAppearance &appearance, QWidget *parent = nullptr);

    QTableWidget *grid() const { return m_grid; }
    void restoreDefault();
    /// What OK did; set once the dialog was accepted.
    BandPlanOkAction okAction() const { return m_okAction; }

private:
    void showPlan(const BandPlan &plan);
    void acceptPlan();
    std::vector<BandPlanRow> gridRows() const;

    BandPlanEditor m_editor;
    QTableWidget *m_grid = nullptr;
    BandPlanOkAction m_okAction = BandPlanOkAction::Untouched;
};

} // namespace quillog::ui
