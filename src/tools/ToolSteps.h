// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillog
{

class StepRegistry;

/// The steps of the date, time, frequency, band and mode tools, of replace, and undo and redo.
void addColumnToolSteps(StepRegistry &registry);

/// Every step a batch (quillog-cli apply) can run, each through the function the editor's command calls.
const StepRegistry &applySteps();

} // namespace quillog
