// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillog
{

/// The largest definitions file (template resource, list, band plan) the program reads. Ours are a few
/// kilobytes; anything far bigger is not one of them and is treated as unreadable.
inline constexpr std::uintmax_t kMaxDataFileSize = 16 * 1024 * 1024;

/// The whole content of a small data file; nullopt when it is missing, unreadable, not a regular file or
/// larger than kMaxDataFileSize.
std::optional<std::string> readDataFile(const std::string &path);

/// Writes a data file through a new file renamed over the old one; false leaves the old file as it was.
bool writeDataFile(const std::string &path, std::string_view bytes);

/// folder + "/" + name, without doubling a separator the folder already ends with.
std::string pathInFolder(const std::string &folder, std::string_view name);

} // namespace quillog
