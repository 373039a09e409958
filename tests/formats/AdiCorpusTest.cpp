// SPDX-License-Identifier: GPL-3.0-or-later
// Real logs written by many programs: every record is found, and a log written by us reads back as
// the same table.
#include "TestSupport.h"
#include "WrittenForm.h"
#include "core/Text.h"
#include "formats/AdiReader.h"
#include "formats/AdiWriter.h"
#include "formats/RecordNormalisation.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

namespace
{

struct CorpusFile {
    const char *name;
    int records;
};

// The record counts are the files' own end-of-record tags.
constexpr CorpusFile corpus[] = { { "adif_reference_example.adi", 4 }, { "cloudlog_0.1_2011.adi", 3546 },
    { "csn_sat_5.668.adi", 24 }, { "eqsl_inbox_swl.adi", 373 }, { "fle_crlf.adi", 4 },
    { "hamrs_0.10.7.adi", 1 }, { "linlog_0.1.adi", 145 }, { "log4om2_2.22.adi", 122 },
    { "logger32_one_record.adi", 1 }, { "lotw_report_8bit.adi", 573 }, { "lotw_report_crlf.adi", 85 },
    { "lotw_report_lf.adi", 438 }, { "minos_vhf_2.2.adi", 45 }, { "n3fjp_aclog_7.0.5.adi", 438 },
    { "n3fjp_fieldday_6.6.9.adi", 36 }, { "pota_noheader_lowercase.adi", 49 }, { "qle_0.0.40.adi", 43 },
    { "qlog_0.34.adi", 1 }, { "qrz_logbook.adi", 931 }, { "sbitx_sblog.adi", 153 }, { "skcc_logger.adi", 15 },
    { "smartsdr_ios.adi", 578 }, { "wsjtx_2.6.1.adi", 32 }, { "wsjtx_old_header.adi", 558 } };

LogTable readFile(const std::string &path)
{
    LogTable table;
    RunningFlag progress;
    const ReadResult result = readAdiFile(path, table, {}, progress);
    EXPECT_TRUE(result.ok) << path;
    return table;
}

std::string save(const LogTable &table, const std::string &path)
{
    SaveOptions options;
    options.noChecks = true;
    SaveDefinitions definitions;
    definitions.now = 0;
    RunningFlag progress;
    EXPECT_TRUE(writeAdiFile(path, table, options, definitions, progress).ok);
    return fileContents(path);
}

} // namespace

TEST(AdiCorpus, EveryRecordOfEveryFileIsRead)
{
    for (const CorpusFile &file : corpus) {
        const LogTable table = readFile(dataFile("adi/") + file.name);
        EXPECT_EQ(table.qsoCount(), file.records) << file.name;
        for (int column = 0; column < table.columnCount(); ++column) {
            const std::string_view name = table.text(0, column);
            EXPECT_FALSE(name == "EOR" || name == "EOH" || name.empty()) << file.name;
            EXPECT_EQ(name, toUpper(name)) << file.name;
        }
    }
}

TEST(AdiCorpus, WrittenLogsReadBackAsTheSameTable)
{
    const auto folder = freshFolder("corpus");
    for (const CorpusFile &file : corpus) {
        LogTable original = readFile(dataFile("adi/") + file.name);
        original.insertColumn("#", 0);
        original.setFixedColumnCount(1);
        const std::string firstPath = (folder / file.name).string();
        save(original, firstPath);

        LogTable again = readFile(firstPath);
        ASSERT_EQ(again.qsoCount(), file.records) << file.name;
        // Columns that were empty in every QSO are not written, so compare by name.
        for (int column = 1; column < original.columnCount(); ++column) {
            const std::string header(original.text(0, column));
            const int other = again.findColumn(header);
            for (int row = 1; row < original.rowCount(); ++row) {
                const std::string expected = writtenForm(header, original.text(row, column));
                const std::string actual = other < 0 ? "" : std::string(again.text(row, other));
                ASSERT_EQ(actual, expected) << file.name << " row " << row << " " << header;
            }
        }
        // Once written by us, a log comes out of every further read and write byte for byte the same.
        // (The second write may still order the columns differently: a field that was empty in the
        // first QSOs appears later in the written file.)
        again.insertColumn("#", 0);
        again.setFixedColumnCount(1);
        const std::string secondBytes = save(again, firstPath + ".2");
        LogTable third = readFile(firstPath + ".2");
        third.insertColumn("#", 0);
        third.setFixedColumnCount(1);
        const std::string thirdBytes = save(third, firstPath + ".3");
        const auto differ
            = std::mismatch(secondBytes.begin(), secondBytes.end(), thirdBytes.begin(), thirdBytes.end());
        EXPECT_TRUE(secondBytes == thirdBytes)
            << file.name << " differs at byte " << (differ.first - secondBytes.begin()) << ": "
            << secondBytes.substr(static_cast<std::size_t>(differ.first - secondBytes.begin()), 80);
    }
}
