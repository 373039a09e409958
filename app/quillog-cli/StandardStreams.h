// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillog::cli
{

/// "-" as a file name: standard input when reading, standard output when writing.
inline bool isStandardStream(std::string_view path)
{
    return path == "-";
}

/// A private folder under the system's temporary folder, removed with everything in it.
class TemporaryFolder
{
public:
    TemporaryFolder();
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder &) = delete;
    TemporaryFolder &operator=(const TemporaryFolder &) = delete;

    /// Empty when no folder could be made.
    const std::string &path() const { return m_path; }

private:
    std::string m_path;
};

/// The file a command reads: the named file, or standard input copied whole into a temporary file,
/// which the file-type test classifies by its content and the readers read with one call.
class InputFile
{
public:
    explicit InputFile(const std::string &name);

    /// False when standard input could not be copied; error() says why.
    bool ok() const { return !m_path.empty(); }
    const std::string &path() const { return m_path; }
    const std::string &error() const { return m_error; }

private:
    std::optional<TemporaryFolder> m_spool; // only for standard input
    std::string m_path;
    std::string m_error;
};

/// The file a command writes: the named file, or for standard output a temporary file with the given
/// extension whose bytes deliver() sends to standard output once the save has succeeded.
class OutputFile
{
public:
    OutputFile(const std::string &name, std::string_view extension);

    bool ok() const { return !m_path.empty(); }
    const std::string &path() const { return m_path; }
    bool toStandardOutput() const { return m_toStandardOutput; }
    /// Copies the written file to standard output and the save report (when there is one) to standard
    /// error; without standard output there is nothing to do. False when a copy failed.
    bool deliver(const std::string &reportPath) const;

private:
    std::optional<TemporaryFolder> m_spool; // only for standard output
    std::string m_path;
    bool m_toStandardOutput = false;
};

} // namespace quillog::cli
