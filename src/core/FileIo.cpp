// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/FileIo.h"

#include "core/Parallel.h"
#include "core/PendingFiles.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

namespace quillog
{

namespace
{

std::string systemError(const std::string &path)
{
    return path + ": " + std::strerror(errno);
}

// The system's reason for a failed write, in the operator's words. inFolder: the failure was to make a
// file in the folder, so a refusal is the folder's.
std::string plainReason(int error, bool inFolder)
{
    switch (error) {
    case ENOSPC:
    case EDQUOT:
        return "The disk is full.";
    case EFBIG:
        return "The file is too large for this disk.";
    case EROFS:
        return "The disk is read-only.";
    case EACCES:
    case EPERM:
        return inFolder ? "The folder is read-only." : "The file is read-only.";
    case ENOENT:
    case ENOTDIR:
        return "The folder does not exist.";
    case ENAMETOOLONG:
        return "The file name is too long.";
    case EISDIR:
        return "The path names a folder, not a file.";
    case EIO:
        return "The disk reported an error.";
    case EMFILE:
    case ENFILE:
        return "Too many files are open.";
    default:
        return std::string(std::strerror(error)) + ".";
    }
}

std::string folderOf(const std::string &path)
{
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

FileStamp stampOf(const struct stat &info)
{
    return { static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino),
        static_cast<std::int64_t>(info.st_size), static_cast<std::int64_t>(info.st_mtim.tv_sec),
        static_cast<std::int64_t>(info.st_mtim.tv_nsec) };
}

// Only the system's manager may give a file away; a group the user belongs to is kept all the same.
// When neither is allowed the file stays the user's, as any new file would be.
bool keepOwner(int fd, const struct stat &info)
{
    return fchown(fd, info.st_uid, info.st_gid) == 0 || fchown(fd, static_cast<uid_t>(-1), info.st_gid) == 0;
}

// Flushes a folder's entries, so that a rename in it survives a crash.
void syncFolder(const std::string &folder)
{
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        fsync(fd);
        ::close(fd);
    }
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

namespace
{

// Reads up to size bytes from offset on; returns how many, or -1 with errno set.
ssize_t readAt(int fd, char *into, std::size_t size, off_t offset)
{
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::pread(fd, into + done, size - done, offset + static_cast<off_t>(done));
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return -1;
        if (got == 0)
            break; // the file shrank while we read it
        done += static_cast<std::size_t>(got);
    }
    return static_cast<ssize_t>(done);
}

struct ReadParts {
    std::size_t done = 0; // the bytes read without a gap from the start
    int error = 0;
};

// A large file is read by one thread per core, each taking its share: the fresh pages of the buffer are
// cleared and filled at once.
ReadParts readInParts(int fd, char *buffer, std::size_t size)
{
    const Shares shares = sharesOf(size, 8u << 20);
    std::vector<ssize_t> got(shares.count, 0);
    std::vector<int> errors(shares.count, 0);
    runTogether(shares.count, [&](std::size_t part) {
        const std::size_t start = shares.start(part);
        got[part] = readAt(fd, buffer + start, shares.start(part + 1) - start, static_cast<off_t>(start));
        errors[part] = got[part] < 0 ? errno : 0;
    });
    ReadParts read;
    for (std::size_t part = 0; part < shares.count; ++part) {
        if (errors[part] != 0) {
            read.error = errors[part];
            return read;
        }
        read.done += static_cast<std::size_t>(got[part]);
        if (read.done < shares.start(part + 1))
            break;
    }
    return read;
}

} // namespace

FileBytes readFileBytes(const std::string &path)
{
    FileBytes result;
    // Opening a pipe for reading waits for a writer; without blocking it returns at once and is refused.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.message = systemError(path);
        return result;
    }
    struct stat info {
    };
    const bool known = fstat(fd, &info) == 0;
    if (!known || !S_ISREG(info.st_mode)) {
        result.message = !known     ? systemError(path)
            : S_ISDIR(info.st_mode) ? path + ": is a folder, not a file"
                                    : path + ": is not a regular file (a device, a pipe or a socket)";
        ::close(fd);
        return result;
    }
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    const auto size = static_cast<std::size_t>(info.st_size);
    LargeBuffer buffer(size);
    if (buffer.isNull()) {
        result.message = notEnoughMemoryMessage;
        ::close(fd);
        return result;
    }
    const ReadParts parts = readInParts(fd, buffer.data(), size);
    if (parts.error != 0) {
        errno = parts.error;
        result.message = systemError(path);
        ::close(fd);
        return result;
    }
    const std::size_t done = parts.done;
    ::close(fd);
    buffer.shrink(done);
    result.bytes = std::move(buffer);
    result.ok = true;
    return result;
}

std::optional<FileStamp> fileStamp(const std::string &path)
{
    struct stat info {
    };
    if (::stat(path.c_str(), &info) != 0)
        return std::nullopt;
    return stampOf(info);
}

bool isSameFile(const std::string &a, const std::string &b)
{
    if (a == b)
        return true;
    std::error_code errorA, errorB;
    const auto canonicalA = std::filesystem::weakly_canonical(a, errorA);
    const auto canonicalB = std::filesystem::weakly_canonical(b, errorB);
    return !errorA && !errorB && canonicalA == canonicalB;
}

std::string resolvedPath(const std::string &path)
{
    std::string current = path;
    // As the system does, give up after 40 links (a loop).
    for (int links = 0; links < 40; ++links) {
        struct stat info {
        };
        if (::lstat(current.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return current;
        char target[PATH_MAX];
        const ssize_t length = ::readlink(current.c_str(), target, sizeof target - 1);
        if (length <= 0)
            return current;
        const std::string link(target, static_cast<std::size_t>(length));
        current = link.front() == '/' ? link : folderOf(current) + "/" + link;
    }
    return path;
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
    m_real = resolvedPath(m_target);
    struct stat existing {
    };
    const bool exists = ::stat(m_real.c_str(), &existing) == 0;
    if (exists && S_ISDIR(existing.st_mode)) {
        errno = EISDIR;
        return fail("cannot replace the folder", "The path names a folder, not a file.");
    }
    // Devices, pipes and sockets are no logs: writing "beside" them would replace them.
    if (exists && !S_ISREG(existing.st_mode)) {
        errno = EINVAL;
        return fail(
            "cannot replace the special file", "The path names a device, a pipe or a socket, not a file.");
    }
    // A file marked read-only stays as it is, even though the folder would let us replace it.
    if (exists && ((existing.st_mode & 0222) == 0 || ::access(m_real.c_str(), W_OK) != 0)) {
        errno = EACCES;
        return fail("cannot replace the read-only file", "The file is read-only.");
    }
    // A short name: the target's own name may already be as long as a name can be.
    std::string pattern = folderOf(m_real) + "/.quillog-XXXXXX";
    m_fd = mkstemp(pattern.data());
    if (m_fd < 0)
        return fail("cannot create a file beside", plainReason(errno, true));
    m_temporary = pattern;
    m_pendingSlot = pendingFiles::remember(m_temporary.c_str());
    // The new file takes over the owner, group and permissions of the file it replaces, or the usual
    // permissions of a new file. Ownership first: a change of owner clears the set-id bits.
    mode_t mode = 0666;
    if (exists) {
        keepOwner(m_fd, existing);
        mode = existing.st_mode & 07777;
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
        if (done == 0)
            errno = ENOSPC;
        if (done <= 0)
            return fail("cannot write", plainReason(errno, false));
        bytes.remove_prefix(static_cast<std::size_t>(done));
    }
    return true;
}

bool SafeFile::commit()
{
    if (m_fd < 0)
        return false;
    if (fsync(m_fd) != 0)
        return fail("cannot flush", plainReason(errno, false));
    const int fd = std::exchange(m_fd, -1);
    if (::close(fd) != 0)
        return fail("cannot close", plainReason(errno, false));
    if (m_expected && fileStamp(m_real) != m_expected) {
        errno = ESTALE;
        return fail("cannot replace the changed file", "The file has changed on disk since it was read.");
    }
    if (std::rename(m_temporary.c_str(), m_real.c_str()) != 0)
        return fail("cannot replace", plainReason(errno, true));
    pendingFiles::forget(std::exchange(m_pendingSlot, -1));
    m_temporary.clear();
    syncFolder(folderOf(m_real));
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
    pendingFiles::forget(std::exchange(m_pendingSlot, -1));
}

bool SafeFile::fail(const char *what, std::string reason)
{
    m_error = std::string(what) + " " + m_target + ": " + std::strerror(errno);
    m_reason = reason.empty() ? plainReason(errno, false) : std::move(reason);
    abandon();
    return false;
}

} // namespace quillog
