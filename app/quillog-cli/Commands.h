// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliArguments.h"

namespace quillog::cli
{

enum ExitStatus { ExitSuccess = 0, ExitProblemsFound = 1, ExitFailure = 2 };

const char *usageText();
int runCommand(const CliArguments &arguments);

} // namespace quillog::cli
