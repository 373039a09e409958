// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/LogReader.h"

#include "core/FileIo.h"
#include "core/Utf8Copy.h"

#include <utility>

namespace quillog
{

ReadResult LogReader::readFile(const std::string &path, bool wideSource, LogTable &table,
    const ReadOptions &options, Progress &progress) const
{
    return readFileWith(path, wideSource,
        [&](LargeBuffer bytes) { return read(std::move(bytes), table, options, progress); });
}

ReadResult LogReader::readFileWith(
    const std::string &path, bool wideSource, const std::function<ReadResult(LargeBuffer)> &read) const
{
    // A UTF-16 log is read from a UTF-8 copy, deleted as soon as its bytes are in memory.
    Utf8Copy copy = wideSource ? makeUtf8Copy(path) : Utf8Copy(path, false);
    FileBytes file = readFileBytes(copy.path());
    copy.remove();
    if (!file.ok && file.message == notEnoughMemoryMessage) {
        ReadResult result = failed();
        result.message = notEnoughMemoryMessage;
        return result;
    }
    if (!file.ok)
        return failed(file.message);
    if (file.bytes.size() == 0)
        return failed(path + ": the file is empty");
    return completed(read(std::move(file.bytes)));
}

ReadResult LogReader::completed(ReadResult result) const
{
    if (!result.ok && result.message.empty())
        result.message = failureText();
    return result;
}

ReadResult LogReader::failed(std::string detail, bool stopped) const
{
    ReadResult result;
    result.stopped = stopped;
    result.message = failureText();
    result.detail = std::move(detail);
    return result;
}

std::string readProblemsText(const ReadResult &result)
{
    std::string text;
    const auto add = [&](int count, const char *one, const char *many) {
        if (count == 1)
            text += std::string(one) + "\n";
        else if (count > 1)
            text += std::to_string(count) + " " + many + "\n";
    };
    add(result.truncatedValues, "One value is cut short by the end of the file.",
        "values are cut short by the end of the file.");
    add(result.skippedTags, "One tag could not be read and was skipped.",
        "tags could not be read and were skipped.");
    add(result.emptyRecords, "One record without any field was skipped.",
        "records without any field were skipped.");
    return text;
}

} // namespace quillog
