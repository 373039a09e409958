// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace quillog
{

/// Runs an outside program: arguments[0] is its name, looked up on PATH unless it holds a "/".
/// True when the program ran and exited with status 0.
using CommandRunner = std::function<bool(const std::vector<std::string> &arguments)>;

/// Full path of an installed program found on PATH; empty when there is none.
std::string findInstalledProgram(const std::string &name);
/// Runs the program when it is installed and waits for it; false when it is missing or fails.
bool runInstalledProgram(const std::vector<std::string> &arguments);

} // namespace quillog
