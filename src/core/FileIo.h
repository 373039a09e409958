// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"

#include <string>
#include <string_view>

namespace quillog
{

struct FileBytes {
    bool ok = false;
    LargeBuffer bytes;
    std::string message; ///< why the file could not be read
};

/// Reads a whole file with one read into a large buffer.
FileBytes readFileBytes(const std::string &path);

/// The path made absolute against the working folder, with "." and ".." steps taken out; symbolic
/// links are kept as named. An empty path stays empty.
std::string absolutePath(const std::string &path);

/// Writes a file safely: the bytes go to a new file beside the target, which replaces the target only
/// when commit() succeeds. A failed or abandoned write leaves the previous file as it was.
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
    /// Flushes the new file to disk and renames it over the target.
    bool commit();
    /// Deletes the new file; the target stays as it was.
    void abandon();

    const std::string &errorText() const { return m_error; }

private:
    bool fail(const char *what);

    std::string m_target;
    std::string m_temporary;
    int m_fd = -1;
    std::string m_error;
};

} // namespace quillog
