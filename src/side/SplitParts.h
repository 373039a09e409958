// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillog
{

/// The path a split was given, cut into the part before its extension and the extension itself. Both
/// come from the file name alone: a dot in a folder name ("~/.local/share/log") is no extension.
struct SplitTarget {
    std::string base; ///< the path without the extension
    std::string extension; ///< from the file name's last "." on, ".adi" when the name has none
};

SplitTarget splitTarget(std::string_view path);

/// The file of part n (from 1): base + ".part" + n + extension, e.g. "log.part2.adi".
std::string splitPartPath(const SplitTarget &target, int part);

/// The first of the parts 1 to parts that exists already, if any.
std::optional<std::string> firstExistingPart(const SplitTarget &target, int parts);

/// Whether the parts are written as ADX: the target's extension is ".adx" (letter case ignored).
bool splitWritesAdx(const SplitTarget &target);

} // namespace quillog
