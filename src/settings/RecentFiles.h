// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class KeyValueStore;

/// The last log files opened, oldest first, at most five, kept in the settings store as "File1"
/// (oldest) to "File5" (newest). The File menu shows them newest first; the item at list position i
/// carries command id firstCommandId + i.
class RecentFiles
{
public:
    static constexpr int maxCount = 5;
    static constexpr int firstCommandId = 33000;

    /// Reads the list from the store; values that are missing are skipped.
    void read(const KeyValueStore &store);
    /// Adds a path as the newest and rewrites the store, dropping the oldest when the list is full.
    /// A path already listed (compared exactly) stays where it is; false then.
    bool add(std::string_view path, KeyValueStore &store);
    /// Takes a path off the list and rewrites the store; false when it was not listed.
    bool remove(std::string_view path, KeyValueStore &store);

    /// Oldest first.
    const std::vector<std::string> &paths() const { return m_paths; }
    int count() const { return static_cast<int>(m_paths.size()); }
    /// The path at list position index (0 = oldest); empty when there is none.
    std::string pathAt(int index) const;
    /// The path a menu command opens; empty for a command that is not one of ours.
    std::string pathForCommand(int commandId) const { return pathAt(commandId - firstCommandId); }

    /// Writes "File1" to "FileN" from the list and deletes the values past it.
    void write(KeyValueStore &store) const;

private:
    std::vector<std::string> m_paths;
};

/// The result of choosing a recent file: the path to open, or the warning when the file has gone (it
/// is then taken off the list).
struct RecentChoice {
    std::string path;
    std::string message;
};

/// Chooses the entry of a menu command: a file that no longer exists is removed from the list.
RecentChoice chooseRecentFile(RecentFiles &recent, int commandId, KeyValueStore &store);

inline constexpr std::string_view missingRecentFileMessage = "The selected file does not exist.";

} // namespace quillog
