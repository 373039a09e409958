// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Utf8Copy.h"

#include "core/FileIo.h"
#include "core/Utf16.h"

#include <cerrno>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <unistd.h>
#include <utility>

namespace quillog
{

Utf8Copy::Utf8Copy(std::string path, bool isTemporary)
    : m_path(std::move(path))
    , m_isTemporary(isTemporary)
{
}

Utf8Copy::~Utf8Copy()
{
    remove();
}

Utf8Copy::Utf8Copy(Utf8Copy &&other) noexcept
    : m_path(std::exchange(other.m_path, {}))
    , m_isTemporary(std::exchange(other.m_isTemporary, false))
{
}

Utf8Copy &Utf8Copy::operator=(Utf8Copy &&other) noexcept
{
    if (this != &other) {
        remove();
        m_path = std::exchange(other.m_path, {});
        m_isTemporary = std::exchange(other.m_isTemporary, false);
    }
    return *this;
}

void Utf8Copy::remove()
{
    if (!m_isTemporary)
        return;
    ::unlink(m_path.c_str());
    m_path.clear();
    m_isTemporary = false;
}

namespace
{

// The extension of the log's file name, so that readers which look at it see the same one.
std::string extensionOf(const std::string &path)
{
    const std::string name = std::filesystem::path(path).filename().string();
    const std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || name.size() - dot > 32)
        return {};
    return name.substr(dot);
}

std::string copyNamePattern(const std::string &folder, const std::string &extension)
{
    char stamp[32] = {};
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    std::strftime(stamp, sizeof stamp, "%m%d%Y%H%M%S", &local);
    return folder + "/ql" + stamp + "-XXXXXX" + extension;
}

bool writeAll(int fd, std::string_view bytes)
{
    while (!bytes.empty()) {
        const ssize_t done = ::write(fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

} // namespace

Utf8Copy makeUtf8Copy(const std::string &path)
{
    const FileBytes file = readFileBytes(path);
    if (!file.ok)
        return Utf8Copy(path, false);
    const std::optional<std::string> text
        = utf16ToUtf8(std::string_view(file.bytes.data(), file.bytes.size()));
    std::error_code error;
    const std::string folder = std::filesystem::temp_directory_path(error).string();
    if (!text || error)
        return Utf8Copy(path, false);

    const std::string extension = extensionOf(path);
    std::string name = copyNamePattern(folder, extension);
    const int fd = mkstemps(name.data(), static_cast<int>(extension.size()));
    if (fd < 0)
        return Utf8Copy(path, false);
    const bool written = writeAll(fd, *text);
    if (::close(fd) != 0 || !written) {
        ::unlink(name.c_str());
        return Utf8Copy(path, false);
    }
    return Utf8Copy(std::move(name), true);
}

} // namespace quillog
