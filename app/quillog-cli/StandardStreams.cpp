// SPDX-License-Identifier: GPL-3.0-or-later
#include "StandardStreams.h"

#include "core/Text.h"

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

// The first bytes of a file, enough to tell XML from ADI.
std::string head(const std::string &path)
{
    std::string bytes(256, '\0');
    std::FILE *file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return {};
    bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file));
    std::fclose(file);
    return bytes;
}

bool startsWithIgnoreCase(std::string_view text, std::string_view prefix)
{
    return text.size() >= prefix.size() && equalsIgnoreCase(text.substr(0, prefix.size()), prefix);
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

bool looksLikeXml(std::string_view bytes)
{
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        bytes.remove_prefix(3);
    bytes = trimmed(bytes);
    return startsWithIgnoreCase(bytes, "<?xml") || startsWithIgnoreCase(bytes, "<adx");
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
    if (file != nullptr && std::fclose(file) != 0) {
        m_error = "cannot keep standard input in " + spooled;
        return;
    }
    if (!copied) {
        m_error = "cannot read standard input";
        return;
    }
    m_path = spooled + (looksLikeXml(head(spooled)) ? ".adx" : ".adi");
    std::error_code error;
    std::filesystem::rename(spooled, m_path, error);
    if (error) {
        m_error = "cannot keep standard input: " + error.message();
        m_path.clear();
    }
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
