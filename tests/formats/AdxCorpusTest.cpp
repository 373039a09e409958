// SPDX-License-Identifier: GPL-3.0-or-later
// Real ADI logs of many programs written as ADX: well-formed XML that reads back as the same table.
#include "TestSupport.h"
#include "WrittenForm.h"
#include "core/Text.h"
#include "formats/AdiReader.h"
#include "formats/AdxReader.h"
#include "formats/AdxText.h"
#include "formats/AdxWriter.h"
#include "formats/RecordNormalisation.h"

#include <cstdlib>
#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

namespace
{

constexpr const char *corpus[] = { "adif_reference_example.adi", "cloudlog_0.1_2011.adi", "csn_sat_5.668.adi",
    "eqsl_inbox_swl.adi", "hamrs_0.10.7.adi", "linlog_0.1.adi", "log4om2_2.22.adi", "lotw_report_8bit.adi",
    "minos_vhf_2.2.adi", "n3fjp_aclog_7.0.5.adi", "pota_noheader_lowercase.adi", "qlog_0.34.adi",
    "qrz_logbook.adi", "smartsdr_ios.adi", "wsjtx_2.6.1.adi" };

// What a cell becomes on its way through ADX: its written form, in UTF-8.
std::string throughAdx(std::string_view header, std::string_view value)
{
    return utf8FromCell(writtenForm(header, value));
}

std::string saveAdx(const LogTable &table, const std::string &path, bool lowerCase)
{
    SaveOptions options;
    options.noChecks = true;
    options.lowerCase = lowerCase;
    SaveDefinitions definitions;
    definitions.now = 0;
    RunningFlag progress;
    EXPECT_TRUE(writeAdxFile(path, table, options, definitions, progress).ok) << path;
    return fileContents(path);
}

void expectSameValues(const LogTable &original, const LogTable &again, const std::string &file)
{
    ASSERT_EQ(again.qsoCount(), original.qsoCount()) << file;
    for (int column = 0; column < original.columnCount(); ++column) {
        const std::string header(original.text(0, column));
        const int other = again.findColumn(utf8FromCell(header));
        for (int row = 1; row < original.rowCount(); ++row) {
            const std::string expected = throughAdx(header, original.text(row, column));
            const std::string actual = other < 0 ? "" : std::string(again.text(row, other));
            ASSERT_EQ(actual, expected) << file << " row " << row << " " << header;
        }
    }
}

} // namespace

TEST(AdxCorpus, AdiLogsWrittenAsAdxReadBackAsTheSameTable)
{
    const auto folder = freshFolder("adx-corpus");
    for (const char *file : corpus) {
        for (const bool lowerCase : { false, true }) {
            LogTable original;
            RunningFlag progress;
            ASSERT_TRUE(readAdiFile(dataFile("adi/") + file, original, {}, progress).ok) << file;
            const std::string path
                = (folder / (std::string(file) + (lowerCase ? ".lower" : "") + ".adx")).string();
            saveAdx(original, path, lowerCase);
            EXPECT_EQ(std::system(("xmllint --noout '" + path + "'").c_str()), 0) << path;

            LogTable again;
            ASSERT_TRUE(readAdxFile(path, again, progress).ok) << path;
            expectSameValues(original, again, path);

            // Once written by us, every further read and write gives the same bytes. (The second write
            // may still order the columns differently: a field empty in the first QSOs comes later.)
            const std::string second = saveAdx(again, path + ".2.adx", lowerCase);
            LogTable third;
            ASSERT_TRUE(readAdxFile(path + ".2.adx", third, progress).ok) << path;
            EXPECT_TRUE(saveAdx(third, path + ".3.adx", lowerCase) == second) << path;
        }
    }
}
