// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/SplitParts.h"

#include "core/Text.h"

#include <filesystem>

namespace quillog
{

SplitTarget splitTarget(std::string_view path)
{
    const std::size_t slash = path.find_last_of('/');
    const std::size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    const std::size_t dot = path.find_last_of('.');
    // A dot that opens the file name (".log") marks a hidden file, not an extension.
    if (dot == std::string_view::npos || dot <= nameStart)
        return { std::string(path), ".adi" };
    return { std::string(path.substr(0, dot)), std::string(path.substr(dot)) };
}

std::string splitPartPath(const SplitTarget &target, int part)
{
    return target.base + ".part" + std::to_string(part) + target.extension;
}

std::optional<std::string> firstExistingPart(const SplitTarget &target, int parts)
{
    for (int part = 1; part <= parts; ++part) {
        std::error_code error;
        std::string path = splitPartPath(target, part);
        if (std::filesystem::exists(path, error))
            return path;
    }
    return std::nullopt;
}

bool splitWritesAdx(const SplitTarget &target)
{
    return equalsIgnoreCase(target.extension, ".adx");
}

} // namespace quillog
