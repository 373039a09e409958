// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestSupport.h"
#include "formats/FormatRegistry.h"
#include "formats/LogReader.h"
#include "formats/LogWriter.h"

#include <gtest/gtest.h>

namespace quillog::test
{

/// A save and the files it left.
struct Saved {
    SaveResult result;
    std::string path;
    std::string file;
    std::string report;
};

/// Saves the table into a fresh folder as "log." + extension, with the writer that extension chooses.
inline Saved saveWith(const std::string &extension, const LogTable &table, const SaveOptions &options,
    const SaveDefinitions &definitions)
{
    Saved saved;
    saved.path = (freshFolder("writer-" + extension) / ("log." + extension)).string();
    RunningFlag progress;
    saved.result
        = formatForSavePath(saved.path).writer->write(saved.path, table, options, definitions, progress);
    saved.file = fileContents(saved.path);
    saved.report = fileContents(saved.path + ".log");
    return saved;
}

/// Reads a saved file back with the reader its content calls for.
inline LogTable readBack(const std::string &path)
{
    LogTable table;
    RunningFlag progress;
    const ClassifiedLog log = classifyLog(path);
    EXPECT_NE(log.reader, nullptr) << path;
    if (log.reader != nullptr) {
        EXPECT_TRUE(log.reader->readFile(path, log.wideSource, table, {}, progress).ok) << path;
    }
    return table;
}

/// The tests both tagged writers must pass; the parameter is the extension that chooses the writer.
class TaggedWriter : public testing::TestWithParam<const char *>
{
};

} // namespace quillog::test
