// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TableSnapshot.h"
#include "TestSupport.h"
#include "formats/FormatRegistry.h"
#include "formats/LogReader.h"
#include "formats/LogWriter.h"

#include <gtest/gtest.h>

namespace quillog::test
{

/// The columns the writer tests fill.
inline const std::vector<std::string> writerFields
    = { "CALL", "QSO_DATE", "TIME_ON", "BAND", "FREQ", "MODE" };

/// Two QSOs as an operator leaves them: a dashed date, a decimal comma, blanks around a call, lower case.
inline LogTable untidyQsos()
{
    return logOf(writerFields,
        { { "AB1C", "2024-03-01", "1234", "20m", "14,074", "FT8" },
            { " K1ABC ", "20240302", "0100", "40M", "7.0305", "cw" } });
}

/// What both tagged writers check against: a few modes and bands, typed fields (an application's
/// among them), a fixed clock.
inline SaveDefinitions writerDefinitions()
{
    SaveDefinitions d;
    d.modes = { "CW", "SSB", "FT8" };
    d.bands = { "20m", "40m" };
    d.typeMap = { { "CALL", 'S' }, { "QSO_DATE", 'D' }, { "FREQ", 'N' }, { "APP_N1MM_POINTS", 'N' } };
    d.now = 1733659500; // 08 Dec 2024 12:05:00 UTC
    return d;
}

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
