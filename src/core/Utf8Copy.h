// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace quillog
{

/// The file a reader should read for a log in UTF-16: a temporary UTF-8 copy, deleted when this
/// object goes (or at remove()), or the log itself when no copy could be made.
class Utf8Copy
{
public:
    Utf8Copy() = default;
    Utf8Copy(std::string path, bool isTemporary);
    ~Utf8Copy();
    Utf8Copy(Utf8Copy &&other) noexcept;
    Utf8Copy &operator=(Utf8Copy &&other) noexcept;
    Utf8Copy(const Utf8Copy &) = delete;
    Utf8Copy &operator=(const Utf8Copy &) = delete;

    const std::string &path() const { return m_path; }
    /// True when path() is a temporary copy that this object deletes.
    bool isTemporary() const { return m_isTemporary; }
    /// Deletes the temporary copy now (path() is empty afterwards); leaves the log itself alone.
    void remove();

private:
    std::string m_path;
    bool m_isTemporary = false;
};

/// Converts the UTF-16 file at path into a new uniquely named file in the system's temporary folder
/// (ending with the log's own extension). When the file cannot be read, converted or written, the
/// result names the log itself.
Utf8Copy makeUtf8Copy(const std::string &path);

} // namespace quillog
