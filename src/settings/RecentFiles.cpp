// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/RecentFiles.h"

#include "settings/KeyValueStore.h"
#include "settings/SettingNames.h"

#include <algorithm>
#include <filesystem>

namespace quillog
{

namespace
{

std::string valueName(int number)
{
    return std::string(settingNames::recentFilePrefix) + std::to_string(number);
}

} // namespace

void RecentFiles::read(const KeyValueStore &store)
{
    m_paths.clear();
    for (int number = 1; number <= maxCount; ++number) {
        auto path = store.readString(valueName(number));
        // An empty value names no file; a second copy of a path would only fill a slot twice.
        if (path && !path->empty() && std::find(m_paths.begin(), m_paths.end(), *path) == m_paths.end())
            m_paths.push_back(std::move(*path));
    }
}

bool RecentFiles::add(std::string_view path, KeyValueStore &store)
{
    if (path.empty() || std::find(m_paths.begin(), m_paths.end(), path) != m_paths.end())
        return false;
    if (count() >= maxCount)
        m_paths.erase(m_paths.begin(), m_paths.end() - (maxCount - 1));
    m_paths.emplace_back(path);
    write(store);
    return true;
}

bool RecentFiles::remove(std::string_view path, KeyValueStore &store)
{
    const auto found = std::find(m_paths.begin(), m_paths.end(), path);
    if (found == m_paths.end())
        return false;
    m_paths.erase(found);
    write(store);
    return true;
}

std::string RecentFiles::pathAt(int index) const
{
    if (index < 0 || index >= count())
        return {};
    return m_paths[static_cast<std::size_t>(index)];
}

void RecentFiles::write(KeyValueStore &store) const
{
    for (int number = 1; number <= maxCount; ++number) {
        if (number <= count())
            store.writeString(valueName(number), m_paths[static_cast<std::size_t>(number - 1)]);
        else
            store.remove(valueName(number));
    }
}

RecentChoice chooseRecentFile(RecentFiles &recent, int commandId, KeyValueStore &store)
{
    RecentChoice choice;
    std::string path = recent.pathForCommand(commandId);
    if (path.empty())
        return choice;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        recent.remove(path, store);
        choice.message = std::string(missingRecentFileMessage);
        return choice;
    }
    choice.path = std::move(path);
    return choice;
}

} // namespace quillog
