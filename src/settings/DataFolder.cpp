// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/DataFolder.h"

#include <cstdlib>
#include <filesystem>

namespace quillog
{

namespace fs = std::filesystem;

std::string dataFolderFor(const char *xdgDataHome, const char *home)
{
    if (xdgDataHome != nullptr && *xdgDataHome != '\0')
        return std::string(xdgDataHome) + "/Quillog";
    return std::string(home != nullptr && *home != '\0' ? home : ".") + "/.local/share/Quillog";
}

std::string dataFolder()
{
    return dataFolderFor(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"));
}

std::string previousDataFolder(const std::string &folder)
{
    return folder + "/Quillog";
}

std::vector<std::string> moveFromPreviousDataFolder(const std::string &folder)
{
    std::vector<std::string> moved;
    std::error_code error;
    const fs::path previous = previousDataFolder(folder);
    if (!fs::is_directory(previous, error))
        return moved;
    for (const fs::directory_entry &entry : fs::directory_iterator(previous, error)) {
        if (!entry.is_regular_file(error))
            continue;
        const fs::path target = fs::path(folder) / entry.path().filename();
        // Never replace what the operator already keeps in the data folder.
        if (fs::exists(fs::symlink_status(target, error)))
            continue;
        fs::rename(entry.path(), target, error);
        if (!error)
            moved.push_back(entry.path().filename().string());
    }
    return moved;
}

bool prepareDataFolder(const std::string &folder)
{
    std::error_code error;
    fs::create_directories(folder, error);
    if (!fs::is_directory(folder, error))
        return false;
    moveFromPreviousDataFolder(folder);
    return true;
}

} // namespace quillog
