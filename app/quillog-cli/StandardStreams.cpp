// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardStreams.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <vector>

namespace quillog::cli
{

namespace
{

bool copyStream(std::FILE *from, std::FILE *to)
{
    std::vector<char> buffer(1 << 16);
    for (std::size_t got; (got = std::fread(buffer.data(), 1, buffer.size(), from)) > 0;) {
        if (std::fwrite(buffer.data(), 1, got, to) != got)
            return false;
    }
    return !std::ferror(from) && std::fflush(to) == 0;
}

bool copyFileTo(const std::string &path, std::FILE *to)
{
    std::FILE *from = std::fopen(path.c_str(), "rb");
    if (from == nullptr)
        return false;
    const bool copied = copyStream(from, to);
    std::fclose(from);
    return copied;
}

} // namespace

TemporaryFolder::TemporaryFolder()
{
    std::error_code error;
    std::string pattern = (std::filesystem::temp_directory_path(error) / "quillog-cli-XXXXXX").string();
    if (!error && mkdtemp(pattern.data()) != nullptr)
        m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    std::error_code error;
    if (!m_path.empty())
        std::filesystem::remove_all(m_path, error);
}

InputFile::InputFile(const std::string &name)
{
    if (!isStandardStream(name)) {
        m_path = name;
        return;
    }
    if (m_spool.emplace().path().empty()) {
        m_error = "cannot make a temporary folder for standard input";
        return;
    }
    const std::string spooled = m_spool->path() + "/stdin";
    std::FILE *file = std::fopen(spooled.c_str(), "wb");
    const bool copied = file != nullptr && copyStream(stdin, file);
    if (file == nullptr || std::fclose(file) != 0 || !copied) {
        m_error = "cannot copy standard input into " + spooled;
        return;
    }
    m_path = spooled;
}

OutputFile::OutputFile(const std::string &name, std::string_view extension)
    : m_toStandardOutput(isStandardStream(name))
{
    if (!m_toStandardOutput)
        m_path = name;
    else if (!m_spool.emplace().path().empty())
        m_path = m_spool->path() + "/stdout." + std::string(extension);
}

bool OutputFile::deliver(const std::string &reportPath) const
{
    if (!m_toStandardOutput)
        return true;
    const bool delivered = copyFileTo(m_path, stdout);
    if (!reportPath.empty())
        copyFileTo(reportPath, stderr);
    return delivered;
}

} // namespace quillog::cli
