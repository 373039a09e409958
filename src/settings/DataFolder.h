// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <vector>

namespace quillog
{

/// The folder of the operator's own files (band, mode and submode lists, band plan, filters, columns)
/// for the given environment values (either may be null): xdgDataHome + "/Quillog" when it is set and
/// not empty, else home + "/.local/share/Quillog".
std::string dataFolderFor(const char *xdgDataHome, const char *home);

/// The same for this process's environment. The editor and quillog-cli both use it.
std::string dataFolder();

/// The folder that earlier versions of the editor kept the operator's files in: "Quillog" inside
/// the data folder.
std::string previousDataFolder(const std::string &folder);

/// Moves every file of the previous data folder that the data folder lacks up into it; a file that
/// exists in both stays where it is in both. Returns the names moved.
std::vector<std::string> moveFromPreviousDataFolder(const std::string &folder);

/// Creates the data folder when missing and brings the files of the previous one over. False when the
/// folder cannot be had.
bool prepareDataFolder(const std::string &folder);

} // namespace quillog
