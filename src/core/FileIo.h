// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillog
{

/// What a command says when a log needs more memory than it can have.
inline constexpr const char *notEnoughMemoryMessage = "Not enough memory for this log.";

struct FileBytes {
    bool ok = false;
    LargeBuffer bytes;
    std::string message; ///< why the file could not be read
};

/// Reads a whole file with one read into a large buffer. Anything but a regular file (a folder, a pipe,
/// a device) is refused without waiting for it.
FileBytes readFileBytes(const std::string &path);

/// The path made absolute against the working folder, with "." and ".." steps taken out; symbolic
/// links are kept as named. An empty path stays empty.
std::string absolutePath(const std::string &path);
/// What tells one state of a file from another: a program appending to it or replacing it changes it.
struct FileStamp {
    std::uint64_t device = 0;
    std::uint64_t inode = 0;
    std::int64_t size = 0;
    std::int64_t modifiedSeconds = 0;
    std::int64_t modifiedNanoseconds = 0;

    bool operator==(const FileStamp &) const = default;
};

/// The stamp of the file a path names (links followed); nothing when there is no such file.
std::optional<FileStamp> fileStamp(const std::string &path);

/// True when both paths name the same file, or would once it is made (links and ".." resolved).
bool isSameFile(const std::string &a, const std::string &b);

/// The path with every symbolic link along it resolved, so that a save replaces the real file and not
/// the link. A path that cannot be resolved comes back as it is.
std::string resolvedPath(const std::string &path);

/// Writes a file safely: the bytes go to a new file beside the target, which replaces the target only
/// when commit() succeeds. A failed or abandoned write leaves the previous file as it was. A target that
/// is a symbolic link is followed: the file it points to is replaced and the link stays. The new file
/// keeps the mode, owner and group of the one it replaces where the system allows. Only regular files
/// are replaced, never devices, pipes or folders.
class SafeFile
{
public:
    explicit SafeFile(std::string targetPath);
    ~SafeFile();
    SafeFile(const SafeFile &) = delete;
    SafeFile &operator=(const SafeFile &) = delete;

    /// Creates the new file; false when the folder cannot take it.
    bool open();
    bool write(std::string_view bytes);
    /// Makes commit() fail when the target no longer has this stamp (another program changed it).
    void requireUnchanged(const FileStamp &stamp) { m_expected = stamp; }
    /// Flushes the new file to disk, renames it over the target and flushes the folder.
    bool commit();
    /// Deletes the new file; the target stays as it was.
    void abandon();

    /// What failed and why, with the path and the system's words.
    const std::string &errorText() const { return m_error; }
    /// Why the last step failed, in plain words for the operator ("The disk is full.").
    const std::string &reason() const { return m_reason; }

private:
    bool fail(const char *what, std::string reason = {});
    void startWriteBack();

    static constexpr std::size_t writeBackStep = 4u << 20;

    std::string m_target;
    std::string m_real; // the target with its links resolved
    std::string m_temporary;
    int m_fd = -1;
    int m_pendingSlot = -1;
    std::size_t m_written = 0;
    std::size_t m_writeBackStart = 0;
    std::optional<FileStamp> m_expected;
    std::string m_error;
    std::string m_reason;
};

} // namespace quillog
