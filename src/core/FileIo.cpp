// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace quillog
{

namespace
{

std::string systemError(const std::string &path)
{
    return path + ": " + std::strerror(errno);
}

} // namespace

std::string absolutePath(const std::string &path)
{
    if (path.empty())
        return path;
    std::error_code error;
    const std::filesystem::path absolute = std::filesystem::absolute(path, error);
    if (error)
        return path;
    std::string normal = absolute.lexically_normal().string();
    // "folder/" and "folder" name the same place; keep the root's own slash.
    if (normal.size() > 1 && normal.back() == '/')
        normal.pop_back();
    return normal;
}

FileBytes readFileBytes(const std::string &path)
{
    FileBytes result;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.message = systemError(path);
        return result;
    }
    struct stat info {
    };
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        result.message = S_ISDIR(info.st_mode) ? path + ": is a folder, not a file" : systemError(path);
        ::close(fd);
        return result;
    }
    const auto size = static_cast<std::size_t>(info.st_size);
    LargeBuffer buffer(size);
    if (buffer.isNull()) {
        result.message = path + ": not enough memory to read the file";
        ::close(fd);
        return result;
    }
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, buffer.data() + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.message = systemError(path);
            ::close(fd);
            return result;
        }
        if (got == 0)
            break; // the file shrank while we read it
        done += static_cast<std::size_t>(got);
    }
    ::close(fd);
    buffer.shrink(done);
    result.bytes = std::move(buffer);
    result.ok = true;
    return result;
}

SafeFile::SafeFile(std::string targetPath)
    : m_target(std::move(targetPath))
{
}

SafeFile::~SafeFile()
{
    abandon();
}

bool SafeFile::open()
{
    abandon();
    // A file marked read-only stays as it is, even though the folder would let us replace it.
    struct stat existing {
    };
    if (stat(m_target.c_str(), &existing) == 0
        && ((existing.st_mode & 0222) == 0 || ::access(m_target.c_str(), W_OK) != 0)) {
        errno = EACCES;
        return fail("cannot replace the read-only file");
    }
    std::string pattern = m_target + ".XXXXXX";
    m_fd = mkstemp(pattern.data());
    if (m_fd < 0)
        return fail("cannot create a file beside");
    m_temporary = pattern;
    // The new file takes over the permissions of the file it replaces, or the usual ones of a new file.
    struct stat info {
    };
    mode_t mode = 0666;
    if (stat(m_target.c_str(), &info) == 0) {
        mode = info.st_mode & 07777;
    } else {
        const mode_t mask = umask(0);
        umask(mask);
        mode &= ~mask;
    }
    fchmod(m_fd, mode);
    return true;
}

bool SafeFile::write(std::string_view bytes)
{
    if (m_fd < 0)
        return false;
    while (!bytes.empty()) {
        const ssize_t done = ::write(m_fd, bytes.data(), bytes.size());
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return fail("cannot write");
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

bool SafeFile::commit()
{
    if (m_fd < 0)
        return false;
    if (fsync(m_fd) != 0)
        return fail("cannot flush");
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0)
        return fail("cannot close");
    if (std::rename(m_temporary.c_str(), m_target.c_str()) != 0)
        return fail("cannot replace");
    m_temporary.clear();
    return true;
}

void SafeFile::abandon()
{
    if (m_fd >= 0)
        ::close(std::exchange(m_fd, -1));
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
    }
}

bool SafeFile::fail(const char *what)
{
    m_error = std::string(what) + " " + m_target + ": " + std::strerror(errno);
    abandon();
    return false;
}

} // namespace quillog
