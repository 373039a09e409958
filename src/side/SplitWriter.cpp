// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/SplitWriter.h"

#include "core/FileIo.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/AdiWriter.h"
#include "formats/AdxWriter.h"
#include "formats/SavedRecords.h"

#include <ctime>
#include <memory>

namespace quillog
{

namespace
{

constexpr std::size_t flushSize = 4u << 20;

// The part that is being written: a new file that takes its name when the part is complete.
class OpenPart
{
public:
    OpenPart(const SplitTarget &target, const SaveFormat &format, const SaveOptions &options,
        const std::string &header)
        : m_target(target)
        , m_format(format)
        , m_options(options)
        , m_header(header)
    {
    }

    int number() const { return m_number; }
    int records() const { return m_records; }
    const std::string &path() const { return m_path; }
    const std::string &error() const { return m_error; }

    // Opens the next part with the header block.
    bool next()
    {
        m_file.reset();
        m_path = splitPartPath(m_target, ++m_number);
        m_file = std::make_unique<SafeFile>(m_path);
        m_records = 0;
        m_out = m_header;
        if (m_file->open())
            return true;
        m_error = m_file->errorText();
        return false;
    }

    // Adds a record with its line end.
    bool add(std::string_view record)
    {
        m_out += record;
        ++m_records;
        return m_out.size() < flushSize || flush();
    }

    bool finish()
    {
        m_format.appendFooter(m_out, m_options);
        if (flush() && m_file->commit())
            return true;
        m_error = m_file->errorText();
        return false;
    }

private:
    bool flush()
    {
        if (!m_file->write(m_out)) {
            m_error = m_file->errorText();
            return false;
        }
        m_out.clear();
        return true;
    }

    const SplitTarget &m_target;
    const SaveFormat &m_format;
    const SaveOptions &m_options;
    const std::string &m_header;
    std::unique_ptr<SafeFile> m_file;
    std::string m_path;
    std::string m_out;
    std::string m_error;
    int m_number = 0;
    int m_records = 0;
};

bool partIsFull(int records, int count)
{
    return records >= (count > 0 ? count : 1);
}

const SaveFormat &formatOf(const SplitTarget &target)
{
    static const AdiFormat adi;
    static const AdxFormat adx;
    return splitWritesAdx(target) ? static_cast<const SaveFormat &>(adx) : adi;
}

SaveOptions wholeLog(SaveOptions options)
{
    options.selectionOnly = false;
    return options;
}

// Counts without asking the operator's progress: the count is quick and may not be stopped.
class Uninterrupted : public Progress
{
public:
    void setLabel(std::string_view) override { }
    void setPercent(int) override { }
    bool isRunning() const override { return true; }
};

// The rejected records of all parts go to one report. The log itself still holds them, but a split
// whose report could not be written must not look complete.
void writeReport(const std::string &path, SplitResult &split)
{
    SaveResult &result = split.save;
    if (const std::string why = writeSaveReport(path, result.errors); !why.empty()) {
        result.ok = false;
        result.message += (result.message.empty() ? "" : "\n")
            + std::string("The rejected QSOs cannot be listed in ") + path + ".\n" + why;
        return;
    }
    result.reportPath = path;
}

} // namespace

int splitPartCount(
    const LogTable &table, int count, const SaveOptions &options, const SaveDefinitions &definitions)
{
    SaveResult ignored;
    Uninterrupted progress;
    int written = 0;
    walkSavedRecords(
        table, AdiFormat {}, wholeLog(options), definitions, progress, ignored, [&](const SavedBlock &block) {
            written += static_cast<int>(block.records());
            return true;
        });
    const int perPart = count > 0 ? count : 1;
    return written == 0 ? 1 : (written + perPart - 1) / perPart;
}

std::string splitPartsExistQuestion(const std::string &firstExisting, int parts)
{
    return "The file " + firstExisting + " already exists.\nThe split writes " + std::to_string(parts)
        + (parts == 1 ? " part" : " parts")
        + " and replaces the existing ones.\nDo you want to replace them?";
}

std::string splitPartFailedMessage(const std::string &part, const std::string &reason)
{
    return "Quillog cannot write the part " + part + (reason.empty() ? "" : ": " + reason)
        + ".\nThe parts written before it were kept.";
}

SplitResult writeSplit(const LogTable &table, int count, const std::string &target,
    const SaveOptions &options, const SaveDefinitions &definitions, Progress &progress)
{
    SplitResult split;
    SaveResult &result = split.save;
    const SplitTarget names = splitTarget(target);
    const SaveFormat &format = formatOf(names);
    const SaveOptions partOptions = wholeLog(options);
    // One header block, with one time stamp, opens every part.
    SaveDefinitions stamped = definitions;
    stamped.now = definitions.now.value_or(std::time(nullptr));
    std::string header;
    format.appendHeader(header, partOptions, stamped);

    OpenPart part(names, format, partOptions, header);
    if (!part.next()) {
        result.message = std::string(fileInUseMessage) + "\n" + part.path()
            + (part.error().empty() ? "" : ": " + part.error());
        return split;
    }
    bool failed = false;
    const auto finishPart = [&] {
        if (!part.finish()) {
            failed = true;
            return false;
        }
        split.parts.emplace_back(part.path(), part.records());
        return true;
    };
    const bool finished = walkSavedRecords(
        table, format, partOptions, stamped, progress, result, [&](const SavedBlock &block) {
            for (std::size_t i = 0; i < block.records(); ++i) {
                if (partIsFull(part.records(), count) && (!finishPart() || !part.next())) {
                    failed = true;
                    return false;
                }
                if (!part.add(block.record(i))) {
                    failed = true;
                    return false;
                }
                ++result.written;
            }
            return true;
        });
    if (!finished) {
        result.stopped = true;
        result.message = "The split was stopped; " + std::to_string(split.parts.size())
            + " parts were written before it.";
    } else if (failed || !finishPart()) {
        result.message = splitPartFailedMessage(part.path(), part.error());
    } else {
        progress.setPercent(100);
        result.ok = true;
    }
    result.written = 0;
    for (const auto &written : split.parts)
        result.written += written.second;
    if (!result.errors.empty())
        writeReport(target + ".log", split);
    return split;
}

} // namespace quillog
