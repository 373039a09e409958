// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/DataFile.h"

#include "core/FileIo.h"

#include <filesystem>
#include <system_error>

namespace quillog
{

std::optional<std::string> readDataFile(const std::string &path)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kMaxDataFileSize)
        return std::nullopt;
    FileBytes file = readFileBytes(path);
    if (!file.ok || file.bytes.size() > kMaxDataFileSize)
        return std::nullopt;
    return std::string(file.bytes.data() ? file.bytes.data() : "", file.bytes.size());
}

bool writeDataFile(const std::string &path, std::string_view bytes)
{
    SafeFile file(path);
    return file.open() && file.write(bytes) && file.commit();
}

std::string pathInFolder(const std::string &folder, std::string_view name)
{
    if (folder.empty())
        return std::string(name);
    std::string path = folder;
    if (path.back() != '/')
        path += '/';
    path += name;
    return path;
}

} // namespace quillog
