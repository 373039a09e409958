// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillog
{

class StepRegistry;

/// The steps of the column text tools, of the row and column structure, the time fixes and the sorts.
void addTextAndStructureSteps(StepRegistry &registry);

} // namespace quillog
