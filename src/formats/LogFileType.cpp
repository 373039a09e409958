// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/LogFileType.h"

#include "core/FileIo.h"
#include "core/Text.h"
#include "core/Utf16.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <sys/stat.h>
#include <unistd.h>

namespace quillog
{

namespace
{

// Files this short hold no log worth classifying.
constexpr std::size_t minimumLength = 10;
// Most logs show their first marker early: the path form tests this much before reading the rest.
constexpr std::size_t prefixLength = 64 * 1024;

enum class Marker { None, Type, Wide };

struct ScanResult {
    Marker marker = Marker::None;
    LogFileType type = LogFileType::TypeUnrecognised;
};

bool isCtBinary(std::string_view bytes)
{
    return bytes.size() > 33 && bytes[32] == 'C' && bytes[33] == 'T';
}

// Tests the markers at the start of rest; each needs only its own bytes, so a tag that ends the file
// still counts.
ScanResult markerAt(std::string_view rest)
{
    const auto is = [&rest](std::size_t i, char c) { return i < rest.size() && toUpperAscii(rest[i]) == c; };
    switch (rest[0]) {
    case '<':
        if (is(1, 'E') && is(2, 'O') && (is(3, 'H') || is(3, 'R')) && is(4, '>'))
            return { Marker::Type, LogFileType::TypeAdif };
        if (is(1, 'A') && is(2, 'D') && is(3, 'X'))
            return { Marker::Type, LogFileType::TypeAdx };
        break;
    case 'Q':
        if (rest.starts_with("QSO:"))
            return { Marker::Type, LogFileType::TypeCabrillo };
        break;
    case ' ':
        if (rest.starts_with(" ---- "))
            return { Marker::Type, LogFileType::TypeTrlogTable };
        break;
    case '\0':
        // Text in 16-bit units: every other byte zero.
        if (rest.size() >= 4 && rest[1] != '\0' && rest[2] == '\0' && rest[3] != '\0')
            return { Marker::Wide, LogFileType::TypeUnrecognised };
        break;
    default:
        break;
    }
    return {};
}

// The first marker at a position below end.
ScanResult firstMarker(std::string_view bytes, std::size_t end)
{
    for (std::size_t at = 0; at < end && at < bytes.size(); ++at) {
        if (const ScanResult found = markerAt(bytes.substr(at)); found.marker != Marker::None)
            return found;
    }
    return {};
}

std::optional<LogFileType> delimitedType(std::string_view bytes)
{
    int commas = 0, semicolons = 0, tabs = 0, delimitedLines = 0;
    bool anyTabbed = false;
    for (const char c : bytes) {
        if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
        else if (c == '\t')
            ++tabs;
        else if (c == '\n') {
            if (commas > 4 || semicolons > 4 || tabs > 4) {
                ++delimitedLines;
                anyTabbed |= tabs > 4;
            }
            if (delimitedLines > 2)
                return anyTabbed ? LogFileType::TypeTabSeparated : LogFileType::TypeCsv;
            commas = semicolons = tabs = 0;
        }
    }
    return std::nullopt;
}

// A file named as CSV needs only two lines with two separators of a kind.
bool looksLikeNamedCsv(std::string_view bytes)
{
    int commas = 0, semicolons = 0, lines = 0;
    for (const char c : bytes) {
        if (c == ',')
            ++commas;
        else if (c == ';')
            ++semicolons;
        else if (c == '\n') {
            if ((commas > 1 || semicolons > 1) && ++lines > 1)
                return true;
            commas = semicolons = 0;
        }
    }
    return false;
}

LogFileType typeWithoutMarker(std::string_view bytes, std::string_view path)
{
    if (const auto delimited = delimitedType(bytes))
        return *delimited;
    if (path.find(".csv") != std::string_view::npos && looksLikeNamedCsv(bytes))
        return LogFileType::TypeCsv;
    return LogFileType::TypeUnrecognised;
}

} // namespace

LogFileTypeResult detectLogFileTypeInBytes(std::string_view bytes, std::string_view path)
{
    LogFileTypeResult result;
    if (bytes.size() < minimumLength)
        return result;
    if (isCtBinary(bytes)) {
        result.type = LogFileType::TypeCtBinary;
        return result;
    }
    ScanResult found = firstMarker(bytes, bytes.size());
    std::optional<std::string> converted;
    if (found.marker == Marker::Wide) {
        result.wideSource = true;
        // UTF-8 holds no zero bytes, so the converted text cannot raise this marker a second time.
        converted = utf16ToUtf8(bytes);
        if (converted) {
            bytes = *converted;
            found = firstMarker(bytes, bytes.size());
        }
    }
    result.type = found.marker == Marker::Type ? found.type : typeWithoutMarker(bytes, path);
    return result;
}

namespace
{

// Reads up to size bytes from the start of an open file; shorter only at its end.
std::optional<std::string> readPrefix(int fd, std::size_t size)
{
    std::string bytes(size, '\0');
    std::size_t done = 0;
    while (done < size) {
        const ssize_t got = ::read(fd, bytes.data() + done, size - done);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return std::nullopt;
        if (got == 0)
            break;
        done += static_cast<std::size_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

LogFileTypeResult cannotOpen()
{
    return { LogFileType::TypeUnrecognised, false, std::string(cannotOpenFileMessage) };
}

} // namespace

LogFileTypeResult detectLogFileType(const std::string &path)
{
    struct stat info {
    };
    if (::stat(path.c_str(), &info) != 0) {
        // A file behind a folder we may not enter exists all the same: that is a read failure.
        if (errno == ENOENT || errno == ENOTDIR)
            return { LogFileType::TypeMissing, false, {} };
        return cannotOpen();
    }
    // Not blocking on open keeps a named pipe from hanging the command; it is refused below.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return cannotOpen();
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return cannotOpen();
    }
    const auto length = static_cast<std::size_t>(info.st_size);
    if (length < minimumLength) {
        ::close(fd);
        return {};
    }
    const std::optional<std::string> prefix = readPrefix(fd, std::min(length, prefixLength));
    ::close(fd);
    if (!prefix)
        return cannotOpen();
    if (prefix->size() == length)
        return detectLogFileTypeInBytes(*prefix, path);
    // The marker scan stops at the first marker: one found in the prefix is the answer for the whole
    // file, unless it is UTF-16 text, which must be converted as a whole. Positions whose longest
    // marker could run past the prefix are left to the full scan.
    if (prefix->size() == prefixLength) {
        if (isCtBinary(*prefix))
            return { LogFileType::TypeCtBinary, false, {} };
        if (const ScanResult found = firstMarker(*prefix, prefixLength - 6); found.marker == Marker::Type)
            return { found.type, false, {} };
    }
    const FileBytes whole = readFileBytes(path);
    if (!whole.ok)
        return cannotOpen();
    return detectLogFileTypeInBytes(std::string_view(whole.bytes.data(), whole.bytes.size()), path);
}

} // namespace quillog
