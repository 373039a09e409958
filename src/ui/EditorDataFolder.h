// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace quillog::ui
{

/// The editor's data folder: the one quillog-cli uses too (see dataFolder()), created when missing and
/// with the files of the editor's earlier folder moved in; the program's folder when it cannot be had.
std::string editorDataFolder();

} // namespace quillog::ui
