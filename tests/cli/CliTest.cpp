// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the command-line tool as an operator would and checks its output and exit status.
#include "CliRun.h"
#include "TestSupport.h"
#include "core/LogTable.h"
#include "core/ProgramInfo.h"
#include "formats/FormatRegistry.h"
#include "formats/LogReader.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quillog::test;
namespace fs = std::filesystem;

TEST(Cli, InfoListsTheFieldsAndHowManyQsosHaveEach)
{
    const CliRun run = cli("info " + quoted(dataFile("adi/fle_crlf.adi")));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("QSOs: 4\n"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("  CALL "), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Lengths counted in characters: 0"), std::string::npos);

    const CliRun recovered = cli("info " + quoted(dataFile("adi/smartsdr_ios.adi")));
    EXPECT_NE(recovered.out.find("Lengths counted in characters: 2"), std::string::npos);
}

TEST(Cli, ConvertTakesFlagsBeforeAndAfterThePaths)
{
    const fs::path folder = freshFolder("cli");
    const std::string out = (folder / "out.adi").string();
    const CliRun run = cli("--lower-case convert " + quoted(dataFile("adi/qlog_0.34.adi")) + " " + quoted(out)
        + " --no-checks --separate-qsos");
    EXPECT_EQ(run.status, 0) << run.err;
    const std::string written = fileContents(out);
    EXPECT_NE(written.find("<eoh>\r\n\r\n<call:"), std::string::npos);
    EXPECT_NE(written.find("<eor>\r\n\r\n"), std::string::npos);
}

TEST(Cli, FailuresSayWhyOnOneLineWithANonZeroStatus)
{
    const fs::path folder = freshFolder("cli-fail");
    struct Case {
        std::string arguments;
        int status;
        const char *message;
    };
    for (const Case &c : {
             Case { "info /nonexistent/log.adi", 2, "/nonexistent/log.adi" },
             Case { "info " + quoted(folder.string()), 2, "Can't open selected file." },
             Case { "info", 2, "one file" },
             Case { "frobnicate x", 2, "unknown command" },
             Case { "info --bogus x", 2, "unknown option --bogus" },
             Case { "convert " + quoted(dataFile("adi/qlog_0.34.adi")) + " /nonexistent/out.adi --no-checks",
                 2, "cannot access" },
         }) {
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
    writeFile(folder / "empty.adi", "");
    const CliRun empty = cli("info " + quoted((folder / "empty.adi").string()));
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(std::count(empty.err.begin(), empty.err.end(), '\n'), 1) << empty.err;
}

TEST(Cli, HelpDescribesTheCommands)
{
    const CliRun run = cli("--help");
    EXPECT_EQ(run.status, 0);
    EXPECT_NE(run.out.find("convert IN OUT"), std::string::npos);
    EXPECT_NE(run.out.find("check FILE"), std::string::npos);
}

namespace
{

// A check that sees only the shipped lists: the operator's data folder is an empty one.
CliRun check(const std::string &path,
    const fs::path &dataHome = freshFolder("cli-check-data-" + std::to_string(getpid())))
{
    return cli("check " + quoted(path), "XDG_DATA_HOME=" + quoted(dataHome.string()));
}

} // namespace

TEST(CliCheck, CleanLogsComeOutCleanWithStatusZero)
{
    // Among them logs with an optional TIME_OFF left empty and with time stamps of other fields to the
    // right of TIME_ON, and short-wave listeners' numbers as calls.
    for (const char *name :
        { "log4om2_2.22.adi", "qle_0.0.40.adi", "lotw_report_lf.adi", "eqsl_inbox_swl.adi",
            "n3fjp_aclog_7.0.5.adi", "wsjtx_old_header.adi", "pota_noheader_lowercase.adi" }) {
        const CliRun run = check(dataFile(std::string("adi/") + name));
        EXPECT_EQ(run.status, 0) << name << ": " << run.out << run.err;
        EXPECT_EQ(run.out, "") << name;
        EXPECT_EQ(run.err, "Check process completed successfully.\n") << name;
    }
}

TEST(CliCheck, ListsEachFailedQsoWithItsFailedFieldsAndStatusOne)
{
    const CliRun run = check(dataFile("adi/wsjtx_2.6.1.adi"));
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out, "29\tCXOXXX\t20250411\t150315\tCALL\n");
    EXPECT_EQ(run.err,
        "There is at least one error in the log. Cells with incorrect values are highlighted with a special "
        "color.\n");

    // PSK31, USB, LSB and FT4 written as modes are submodes: the message points to the mode conversion.
    const CliRun qrz = check(dataFile("adi/qrz_logbook.adi"));
    EXPECT_EQ(qrz.status, 1);
    EXPECT_NE(qrz.out.find("\tMODE\n"), std::string::npos);
    EXPECT_NE(qrz.err.find("from the Convert Mode dialog."), std::string::npos) << qrz.err;

    // A record without a mode, in the reference example of the ADIF documents.
    const CliRun example = check(dataFile("adi/adif_reference_example.adi"));
    EXPECT_EQ(example.status, 1);
    EXPECT_EQ(example.out, "4\tK0ABC\t20181016\t2318\tMODE\n");
}

TEST(CliCheck, CannotCheckWithoutItsColumnsOrItsFile)
{
    const fs::path folder = freshFolder("cli-check");
    writeFile(folder / "nomode.adi", "<CALL:5>K1ABC<QSO_DATE:8>20240105<TIME_ON:4>0915<BAND:3>20m<EOR>\n");
    writeFile(folder / "nocall.adi", "<QSO_DATE:8>20240105<TIME_ON:4>0915<EOR>\n");
    struct Case {
        std::string path;
        const char *message;
    };
    for (const Case &c : { Case { (folder / "nomode.adi").string(), "Please mark <MODE> area." },
             Case { (folder / "nocall.adi").string(), "Please mark <CALL> area." },
             Case { "/nonexistent/log.adi", "/nonexistent/log.adi" } }) {
        const CliRun run = check(c.path);
        EXPECT_EQ(run.status, 2) << c.path;
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
    }
    EXPECT_EQ(cli("check").status, 2);
}

TEST(CliCheck, TheOperatorsOwnListsAreInForce)
{
    const fs::path folder = freshFolder("cli-check-lists");
    const std::string log = (folder / "essb.adi").string();
    writeFile(log, "<CALL:5>K1ABC<QSO_DATE:8>20240105<TIME_ON:4>0915<BAND:3>20m<MODE:4>essb<EOR>\n");
    EXPECT_EQ(check(log).status, 1);
    const fs::path dataHome = folder / "data";
    fs::create_directories(dataHome / "Quillog");
    writeFile(dataHome / "Quillog" / "modes.lc", "SSB\r\nESSB\r\n");
    const CliRun run = check(log, dataHome);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
}

// Earlier editors kept the operator's lists one folder deeper; the first run moves them up, so a band
// added there is in force for the check, and the file in the shared folder is not replaced.
TEST(CliCheck, ListsOfTheEditorsEarlierFolderMoveUpAndCount)
{
    const fs::path folder = freshFolder("cli-check-moved");
    const std::string log = (folder / "band.adi").string();
    writeFile(log, "<CALL:5>K1ABC<QSO_DATE:8>20240105<TIME_ON:4>0915<BAND:5>1.2mm<MODE:2>CW<EOR>\n");
    const fs::path dataHome = folder / "data";
    fs::create_directories(dataHome / "Quillog" / "Quillog");
    writeFile(dataHome / "Quillog" / "Quillog" / "bands.lc", "20m\r\n1.2mm\r\n");
    writeFile(dataHome / "Quillog" / "Quillog" / "modes.lc", "SSB\r\n");
    writeFile(dataHome / "Quillog" / "modes.lc", "CW\r\n");
    const CliRun run = check(log, dataHome);
    EXPECT_EQ(run.status, 0) << run.out << run.err;
    EXPECT_EQ(fileContents(dataHome / "Quillog" / "bands.lc"), "20m\r\n1.2mm\r\n");
    EXPECT_EQ(fileContents(dataHome / "Quillog" / "modes.lc"), "CW\r\n");
    EXPECT_EQ(fileContents(dataHome / "Quillog" / "Quillog" / "modes.lc"), "SSB\r\n");
}

TEST(Cli, ConvertWritesAndReadsAdxByTheExtension)
{
    const fs::path folder = freshFolder("cli-adx");
    const std::string original = dataFile("adi/n3fjp_aclog_7.0.5.adi");
    const std::string adx = (folder / "log.ADX").string();
    const std::string back = (folder / "back.adi").string();
    ASSERT_EQ(cli("convert --no-checks " + quoted(original) + " " + quoted(adx)).status, 0);
    EXPECT_EQ(fileContents(adx).rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n<ADX>\r\n", 0), 0u);
    EXPECT_EQ(std::system(("xmllint --noout " + quoted(adx)).c_str()), 0);
    ASSERT_EQ(cli("convert --no-checks " + quoted(adx) + " " + quoted(back)).status, 0);

    // The same fields with the same counts, read from the original and from the copy made through ADX.
    const std::string before = cli("info " + quoted(original)).out;
    const std::string after = cli("info " + quoted(back)).out;
    EXPECT_EQ(after.substr(after.find("QSOs:")), before.substr(before.find("QSOs:")));
    EXPECT_NE(cli("info " + quoted(adx)).out.find("QSOs: 438\n"), std::string::npos);
}

namespace
{

// The text in UTF-16 of the given byte order, with or without a byte-order mark.
std::string utf16Of(std::string_view utf8, bool bigEndian, bool withMark)
{
    std::u16string units = withMark ? u"\uFEFF" : u"";
    for (std::size_t at = 0; at < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[at]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        char32_t code = length == 1 ? lead : lead & (0x3F >> (length - 1));
        for (int n = 1; n < length; ++n)
            code = (code << 6) | (static_cast<unsigned char>(utf8[at + static_cast<std::size_t>(n)]) & 0x3F);
        at += static_cast<std::size_t>(length);
        if (code >= 0x10000) {
            units += static_cast<char16_t>(0xD800 + ((code - 0x10000) >> 10));
            units += static_cast<char16_t>(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            units += static_cast<char16_t>(code);
        }
    }
    std::string bytes;
    for (const char16_t unit : units) {
        const char high = static_cast<char>(unit >> 8), low = static_cast<char>(unit & 0xFF);
        bytes += bigEndian ? high : low;
        bytes += bigEndian ? low : high;
    }
    return bytes;
}

// The editor's way of reading a log: the file-type test, then the registered reader.
int qsosTheEditorReads(const std::string &path)
{
    const quillog::ClassifiedLog log = quillog::classifyLog(path);
    if (log.reader == nullptr)
        return -1;
    quillog::LogTable table;
    quillog::RunningFlag progress;
    return log.reader->readFile(path, log.wideSource, table, {}, progress).ok ? table.qsoCount() : -1;
}

// The info report without its first line, which names the file.
std::string infoBody(const std::string &out)
{
    return out.substr(out.find('\n') + 1);
}

} // namespace

TEST(Cli, ReadsUtf16LogsInEitherByteOrderAsTheEditorDoes)
{
    const fs::path folder = freshFolder("cli-utf16");
    for (const char *source : { "adi/n3fjp_aclog_7.0.5.adi", "core/utf8_of_utf16.adi" }) {
        const std::string utf8 = fileContents(dataFile(source));
        const int expected = qsosTheEditorReads(dataFile(source));
        ASSERT_GT(expected, 0) << source;
        struct Case {
            const char *name;
            bool bigEndian, withMark;
        };
        for (const Case c : { Case { "le-bom.adi", false, true }, { "be-bom.adi", true, true },
                 { "le.adi", false, false }, { "be.adi", true, false } }) {
            const fs::path path = folder / c.name;
            writeFile(path, utf16Of(utf8, c.bigEndian, c.withMark));
            EXPECT_EQ(qsosTheEditorReads(path.string()), expected) << source << " " << c.name;
            const CliRun info = cli("info " + quoted(path.string()));
            EXPECT_EQ(info.status, 0) << source << " " << c.name << ": " << info.err;
            EXPECT_NE(info.out.find("QSOs: " + std::to_string(expected) + "\n"), std::string::npos)
                << source << " " << c.name << ": " << info.out;

            const fs::path out = folder / (std::string(c.name) + ".out.adi");
            const CliRun convert
                = cli("convert " + quoted(path.string()) + " " + quoted(out.string()) + " --no-checks");
            EXPECT_EQ(convert.status, 0) << convert.err;
            EXPECT_EQ(qsosTheEditorReads(out.string()), expected) << source << " " << c.name;
        }
    }
}

TEST(CliPipeline, DashReadsStandardInputAndWritesStandardOutput)
{
    const fs::path folder = freshFolder("cli-pipe");
    const std::string adi = quoted(dataFile("adi/n3fjp_aclog_7.0.5.adi"));
    const std::string adx = (folder / "log.adx").string();
    ASSERT_EQ(cli("convert --no-checks " + adi + " " + quoted(adx)).status, 0);
    const std::string expected = infoBody(cli("info " + adi).out);

    struct Case {
        std::string command; // run by the shell
        const char *firstBytes; // of standard output, or of the file the pipe writes
    };
    const Case cases[] = {
        { "info - < " + adi, "File: -\n" },
        { "info - < " + quoted(adx), "File: -\n" }, // ADX found by its content
        { "convert --no-checks - - < " + adi + " | " QUILLOG_CLI " info -", "File: -\n" },
        { "convert --no-checks " + adi + " - --to adx | " QUILLOG_CLI " info -", "File: -\n" },
        { "convert --no-checks - - --to=ADX < " + quoted(adx), "<?xml version=\"1.0\"" },
        { "convert --no-checks - - < " + quoted(adx), "File generated on " },
    };
    for (const Case &c : cases) {
        const CliRun run = cli(c.command);
        EXPECT_EQ(run.status, 0) << c.command << ": " << run.err;
        EXPECT_EQ(run.out.rfind(c.firstBytes, 0), 0u) << c.command << ": " << run.out.substr(0, 80);
        if (run.out.starts_with("File: -")) {
            EXPECT_EQ(infoBody(run.out), expected) << c.command;
        }
    }
}

TEST(CliPipeline, ConvertToStandardOutputPutsTheReportOnStandardError)
{
    // Two of the QSOs have no valid date: the save checks reject them.
    const std::string log = "<CALL:4>AB1C <QSO_DATE:8>20240101 <TIME_ON:4>1200 <BAND:3>20M <MODE:2>CW <EOR>\n"
                            "<CALL:4>AB2C <QSO_DATE:3>bad <TIME_ON:4>1200 <BAND:3>20M <MODE:2>CW <EOR>\n"
                            "<CALL:4>AB3C <QSO_DATE:2>xx <TIME_ON:4>1200 <BAND:3>20M <MODE:2>CW <EOR>\n";
    const fs::path folder = freshFolder("cli-pipe-report");
    writeFile(folder / "in.adi", log);
    const CliRun run = cli("convert - - < " + quoted((folder / "in.adi").string()),
        "XDG_DATA_HOME=" + quoted((folder / "data").string()));
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_NE(run.out.find("<CALL:4>AB1C"), std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("AB2C"), std::string::npos);
    EXPECT_NE(run.err.find("AB2C"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("Errors: 2"), std::string::npos) << run.err;
    EXPECT_EQ(run.err.find("are listed in"), std::string::npos) << run.err;
}

TEST(CliPipeline, BadFormatsAndEmptyInputFailWithStatusTwo)
{
    const std::string adi = quoted(dataFile("adi/n3fjp_aclog_7.0.5.adi"));
    struct Case {
        std::string arguments;
        const char *message;
    };
    const Case cases[] = {
        { "convert " + adi + " - --to xls", "--to takes adi, adx, csv, not xls" },
        { "convert " + adi + " - --to", "--to needs a value" },
        { "info - < /dev/null", "standard input" },
        { "check - < /dev/null", "standard input" },
    };
    for (const Case &c : cases) {
        const CliRun run = cli(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
}

TEST(Cli, VersionNamesTheProgramAndItsVersion)
{
    const CliRun run = cli("--version");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "quillog-cli " + std::string(quillog::programVersion) + "\n");
}

TEST(Cli, ClassifiesItsInputByContentNotByName)
{
    const fs::path folder = freshFolder("cli-content");
    fs::copy_file(dataFile("adx/pyadif_file_good.adx"), folder / "log.xml");
    fs::copy_file(dataFile("adi/pota_noheader_lowercase.adi"), folder / "log.txt");
    writeFile(folder / "notes.adi", "nothing but words\n");
    struct Case {
        fs::path path;
        int status;
        std::string text;
    };
    for (const Case &c : {
             Case { folder / "log.xml", 0,
                 "QSOs: " + std::to_string(qsosTheEditorReads(dataFile("adx/pyadif_file_good.adx"))) + "\n" },
             Case { folder / "log.txt", 0,
                 "QSOs: " + std::to_string(qsosTheEditorReads(dataFile("adi/pota_noheader_lowercase.adi")))
                     + "\n" },
             Case { folder / "notes.adi", 0, "QSOs: 1" }, // any other text is read as a character grid
             Case { folder / "missing.adi", 2, "The selected file does not exist." },
         }) {
        const CliRun run = cli("info " + quoted(c.path.string()));
        EXPECT_EQ(run.status, c.status) << c.path << ": " << run.err;
        EXPECT_NE((run.out + run.err).find(c.text), std::string::npos)
            << c.path << ": " << run.out << run.err;
    }
}

namespace
{

// The number after "QSOs: " in the info of a file.
int qsosIn(const std::string &path)
{
    const std::string out = cli("info " + quoted(path)).out;
    const std::size_t at = out.find("QSOs: ");
    return at == std::string::npos ? -1 : std::atoi(out.c_str() + at + 6);
}

} // namespace

TEST(CliSplit, PartsAddUpToTheLogAndExistingPartsNeedReplace)
{
    const fs::path folder = freshFolder("cli-split");
    const std::string log = dataFile("adi/n3fjp_aclog_7.0.5.adi");
    const std::string target = (folder / ".dotted" / "log").string();
    fs::create_directories(folder / ".dotted");
    const CliRun run = cli("split --no-checks " + quoted(log) + " 100 " + quoted(target));
    ASSERT_EQ(run.status, 0) << run.err;
    int total = 0;
    for (int part = 1; part <= 5; ++part)
        total += qsosIn(target + ".part" + std::to_string(part) + ".adi");
    EXPECT_EQ(total, 438);
    EXPECT_EQ(qsosIn(target + ".part5.adi"), 38);
    EXPECT_FALSE(fs::exists(target + ".part6.adi"));
    EXPECT_EQ(run.out.substr(0, run.out.find('\n')), target + ".part1.adi\t100");

    const CliRun again = cli("split --no-checks " + quoted(log) + " 100 " + quoted(target));
    EXPECT_EQ(again.status, 2);
    EXPECT_NE(again.err.find(target + ".part1.adi already exists"), std::string::npos);
    EXPECT_EQ(cli("split --no-checks --replace " + quoted(log) + " 200 " + quoted(target)).status, 0);
    EXPECT_EQ(qsosIn(target + ".part1.adi"), 200);

    for (const char *count : { "439", "x", "5x", "" }) {
        const CliRun bad = cli("split --no-checks " + quoted(log) + " '" + count + "' " + quoted(target));
        EXPECT_EQ(bad.status, 2) << count;
        EXPECT_NE(bad.err.find("Please enter a valid split count less than the Total QSOs count."),
            std::string::npos)
            << count;
    }
}

TEST(CliSplit, AdxPartsSayWhatXmlCouldNotCarry)
{
    const fs::path folder = freshFolder("cli-split-adx");
    writeFile(folder / "bell.adi", "<CALL:4>AB1C <COMMENT:5>bell\x07 <EOR>\n<CALL:4>K1AB <EOR>\n");
    const CliRun run = cli("split --no-checks " + quoted((folder / "bell.adi").string()) + " 1 "
        + quoted((folder / "part.adx").string()));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.err.find("1 character that XML cannot carry"), std::string::npos) << run.err;
}

TEST(CliMerge, HoldsEveryQsoOfEveryFileAndRefusesWhatIsNotAdif)
{
    const fs::path folder = freshFolder("cli-merge");
    const std::string log = dataFile("adi/n3fjp_aclog_7.0.5.adi");
    const std::string other = dataFile("adi/wsjtx_2.6.1.adi");
    const std::string out = (folder / "merged.adi").string();
    ASSERT_EQ(
        cli("merge --no-checks " + quoted(log) + " " + quoted(log) + " " + quoted(other) + " " + quoted(out))
            .status,
        0);
    EXPECT_EQ(qsosIn(out), 2 * 438 + qsosIn(other));

    writeFile(folder / "notes.txt", "no ADIF here\n");
    const CliRun refused = cli("merge --no-checks " + quoted(log) + " "
        + quoted((folder / "notes.txt").string()) + " " + quoted((folder / "never.adi").string()));
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("This file is not ADIF formatted. Please use Import menu to open it."),
        std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "never.adi"));
}

TEST(CliFilter, KeepsTheQsosThatPassAndRefusesAFilterFileItCannotUse)
{
    const fs::path folder = freshFolder("cli-filter");
    const std::string log = (folder / "log.adi").string();
    writeFile(log,
        "<CALL:4>DL1A <BAND:3>20m <MODE:2>CW <EOR>\n<CALL:4>K1AB <BAND:3>40M <MODE:3>SSB <EOR>\n"
        "<CALL:4>DL2B <BAND:2>2M <MODE:2>CW <EOR>\n<CALL:4>DL3C <BAND:3>40M <MODE:2>CW <EOR>\n");
    writeFile(folder / "filters.xml",
        "<?xml version=\"1.0\"?>\r\n<filters>\r\n<useband>Y</useband>\r\n<usecall>Y</usecall>\r\n"
        "<callsign>dl</callsign>\r\n<bands>;20M;40M;</bands>\r\n</filters>");
    const std::string out = (folder / "out.adi").string();
    const CliRun run = cli("filter --no-checks " + quoted(log) + " " + quoted(out) + " --filters "
        + quoted((folder / "filters.xml").string()));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(qsosIn(out), 2);
    EXPECT_NE(fileContents(out).find("DL3C"), std::string::npos);

    writeFile(folder / "none.xml", "<useband>Y</useband>\n<bands>;6M;</bands>\n");
    const CliRun none = cli("filter --no-checks " + quoted(log) + " " + quoted((folder / "none.adi").string())
        + " --filters " + quoted((folder / "none.xml").string()));
    EXPECT_EQ(none.status, 2);
    EXPECT_NE(none.err.find("No valid entries found."), std::string::npos);
    EXPECT_FALSE(fs::exists(folder / "none.adi"));

    writeFile(folder / "huge.xml", std::string(2u << 20, 'x'));
    EXPECT_EQ(cli("filter --no-checks " + quoted(log) + " " + quoted(out) + " --filters "
                  + quoted((folder / "huge.xml").string()))
                  .status,
        2);
}

TEST(CliAdd, AddsTheTypedQsoToAnEmptyOrAnOpenLog)
{
    const fs::path folder = freshFolder("cli-add");
    writeFile(folder / "empty.adi", "");
    const std::string first = (folder / "first.adi").string();
    const std::string qso
        = " --call dl1abc --date 20240301 --time 930 --band 20M --mode FSK31=PSK --rst-sent 599"
          " --rst-rcvd 579 --gridsquare ko85ab ";
    ASSERT_EQ(
        cli("add --no-checks" + qso + quoted((folder / "empty.adi").string()) + " " + quoted(first)).status,
        0);
    const std::string written = fileContents(first);
    EXPECT_NE(written.find("<CALL:6>DL1ABC <QSO_DATE:8>20240301 <TIME_OFF:4>0930 <BAND:3>20M <MODE:3>PSK "
                           "<SUBMODE:5>FSK31 <RST_SENT:3>599 <RST_RCVD:3>579 <GRIDSQUARE:6>KO85ab <EOR>"),
        std::string::npos);
    const std::string second = (folder / "second.adi").string();
    ASSERT_EQ(cli("add --no-checks" + qso + quoted(first) + " " + quoted(second)).status, 0);
    EXPECT_EQ(qsosIn(second), 2);
    const CliRun missing = cli("add --no-checks --call X " + quoted(first) + " " + quoted(second));
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("--date"), std::string::npos);
}

TEST(CliStats, PrintsTheGridOrOneJsonObject)
{
    const fs::path folder = freshFolder("cli-stats");
    const std::string log = (folder / "log.adi").string();
    writeFile(log,
        "<EOH><CALL:3>A1A<BAND:3>20m<MODE:2>CW<DXCC:3>291<EOR><CALL:3>a1a<BAND:3>20M<MODE:3>SSB<DXCC:3>230<"
        "EOR>"
        "<CALL:3>B1B<BAND:4>160M<MODE:2>CW<EOR><CALL:3>C1C<BAND:2>2M<MODE:2>FM<DXCC:4>junk<EOR>"
        "<CALL:6>D1\"D\\E<BAND:3>10M<MODE:2>CW<DXCC:3>700<EOR>");
    const CliRun grid = cli("stats " + quoted(log));
    EXPECT_EQ(grid.status, 0) << grid.err;
    EXPECT_EQ(grid.out,
        "QSOs:\t5\nUnique Callsigns:\t4\nBAND\tQSOs\tDXCC\n10M\t1\t1\n160M\t1\t\n20M\t2\t2\n2M\t1\t\n");
    const CliRun json = cli("stats --json " + quoted(log));
    EXPECT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(json.out,
        "{\"qsos\": 5, \"unique_calls\": 4, \"bands\": [{\"band\": \"10M\", \"qsos\": 1, \"dxcc\": 1}, "
        "{\"band\": \"160M\", \"qsos\": 1, \"dxcc\": 0}, {\"band\": \"20M\", \"qsos\": 2, \"dxcc\": 2}, "
        "{\"band\": \"2M\", \"qsos\": 1, \"dxcc\": 0}]}\n");
}

TEST(CliStats, RefusesLogsWithoutTheColumnsItNeeds)
{
    const fs::path folder = freshFolder("cli-stats-fail");
    const std::string log = (folder / "nomode.adi").string();
    writeFile(log, "<CALL:3>A1A<BAND:3>20M<FREQ:6>14.074<EOR>");
    const CliRun run = cli("stats " + quoted(log));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "quillog-cli: " + log + ": Not enough data for calculation.\n");
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(cli("stats " + quoted((folder / "missing.adi").string())).status, 2);
}

TEST(CliEqslCompare, WritesTheChosenRecordsAsAdi)
{
    const fs::path folder = freshFolder("cli-eqsl");
    const std::string inbox = quoted(dataFile("adi/eqsl_inbox_swl.adi"));
    const std::string log = (folder / "log.adi").string();
    writeFile(log,
        "<EOH><CALL:5>3A2MW<QSO_DATE:8>20221121<TIME_ON:4>1345<MODE:3>FT8<EOR>"
        "<CALL:5>RV3LE<QSO_DATE:8>20221121<TIME_ON:4>1406<MODE:3>FT8<EOR>");
    const std::string out = (folder / "out.adi").string();
    struct Case {
        std::string options;
        int status;
        int records;
    };
    for (const Case &c :
        { Case { "", 0, 2 }, { "--swl", 0, 11 }, { "--not-in-log --from 20221122 --to 20221122", 0, 5 },
            { "--received", 2, 0 }, { "--new --from 20221122", 2, 0 }, { "--from 2022-11-21", 2, 0 } }) {
        fs::remove(out);
        const CliRun run
            = cli("eqsl-compare " + inbox + " " + quoted(log) + " " + quoted(out) + " " + c.options);
        EXPECT_EQ(run.status, c.status) << c.options << ": " << run.err;
        const std::string written = fileContents(out);
        std::size_t records = 0;
        for (std::size_t at = 0; (at = written.find("<EOR>", at)) != std::string::npos; ++at)
            ++records;
        EXPECT_EQ(records, static_cast<std::size_t>(c.records)) << c.options;
        if (c.status == 0) {
            EXPECT_EQ(run.err, "QSOs: " + std::to_string(c.records) + "\n");
        }
    }
    const CliRun notInbox = cli("eqsl-compare " + quoted(log) + " " + quoted(log) + " " + quoted(out));
    EXPECT_EQ(notInbox.status, 2);
    EXPECT_EQ(notInbox.err, "quillog-cli: " + log + ": No eQSL records found.\n");
}

// --to is the last day kept for eqsl-compare, never a format: the selection is ADI on standard output too.
TEST(CliEqslCompare, ReadsToAsADateAndUsesTheStandardStreams)
{
    const fs::path folder = freshFolder("cli-eqsl-streams");
    const std::string inbox = quoted(dataFile("adi/eqsl_inbox_swl.adi"));
    const std::string log = (folder / "log.adi").string();
    writeFile(log, "<EOH><CALL:5>3A2MW<QSO_DATE:8>20221121<TIME_ON:4>1345<MODE:3>FT8<EOR>");
    struct Case {
        std::string line;
        int status;
        std::string err;
    };
    for (const Case &c :
        { Case { "- " + quoted(log) + " - --not-in-log --to 20221121 < " + inbox, 0, "QSOs: 1\n" },
            { inbox + " " + quoted(log) + " - --not-in-log --to adx", 2,
                "quillog-cli: --to needs a date written YYYYMMDD, not \"adx\"\n" },
            { "- - - < " + inbox, 2,
                "quillog-cli: standard input can give the eQSL inbox or the log, not both\n" },
            { "- " + quoted(log) + " - < " + quoted(log), 2,
                "quillog-cli: standard input: No eQSL records found.\n" } }) {
        const CliRun run = cli("eqsl-compare " + c.line);
        EXPECT_EQ(run.status, c.status) << c.line;
        EXPECT_EQ(run.err, c.err) << c.line;
        EXPECT_EQ(run.out.find("<CALL:5>RV3LE") != std::string::npos, c.status == 0) << c.line;
    }
}

TEST(CliValidate, PrintsOneLinePerFindingAndFailsOnlyOnErrors)
{
    const CliRun run = cli("validate " + quoted(dataFile("check/planted_faults.adi")));
    EXPECT_EQ(run.status, 1) << run.err;
    EXPECT_EQ(run.out.substr(0, run.out.find('\n') + 1),
        "2\tFREQ\t14074\terror\t14074 looks like kHz: did you mean 14.074 MHz?\n");
    EXPECT_NE(run.out.find("7\tFREQ\t14,074\twarning\tFREQ 14,074 has a decimal comma"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 21);
    EXPECT_EQ(run.err, "18 errors and 3 warnings in 9 of 12 QSOs (profile adif).\n");

    // Contest IDs ADIF does not list are only warnings: the status stays 0.
    const CliRun warnings = cli("validate " + quoted(dataFile("adi/n3fjp_fieldday_6.6.9.adi")));
    EXPECT_EQ(warnings.status, 0) << warnings.err;
    EXPECT_NE(warnings.out.find("\tCONTEST_ID\tARRL-FD\twarning\t"), std::string::npos);

    const CliRun clean = cli("validate --profile=lotw " + quoted(dataFile("adi/lotw_report_crlf.adi")));
    EXPECT_EQ(clean.status, 0) << clean.out << clean.err;
    EXPECT_EQ(clean.out, "");
    EXPECT_EQ(clean.err, "0 errors and 0 warnings in 0 of 85 QSOs (profile lotw).\n");
}

TEST(CliValidate, WritesTheFindingsAsJson)
{
    const CliRun run = cli("validate --json --profile POTA " + quoted(dataFile("check/planted_faults.adi")));
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.out.find("\"profile\": \"pota\""), std::string::npos) << run.out;
    EXPECT_NE(
        run.out.find("{\"row\": 3, \"field\": \"SUBMODE\", \"value\": \"FT4\", \"severity\": \"error\", "
                     "\"message\": \"SUBMODE FT4 does not belong to MODE CW (it belongs to MODE MFSK)\"}"),
        std::string::npos)
        << run.out;
    EXPECT_NE(
        run.out.find("{\"row\": 1, \"field\": \"STATION_CALLSIGN\", \"value\": \"\""), std::string::npos);

    // A log written in an 8-bit code page still gives valid UTF-8 JSON.
    const fs::path log = freshFolder("cli-json") / "latin.adi";
    writeFile(log,
        "<CALL:4>K1AB <QSO_DATE:8>20230105 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <NAME:3>J\xe9r <EOR>\n");
    const CliRun latin = cli("validate --json " + quoted(log.string()));
    EXPECT_NE(latin.out.find("\"value\": \"J\xc3\xa9r\""), std::string::npos) << latin.out;
}

TEST(CliValidate, CannotValidateWithAnUnknownProfileOrAnUnreadableLog)
{
    for (const std::string &arguments : { "validate --profile qrz " + quoted(dataFile("adi/fle_crlf.adi")),
             std::string("validate /nonexistent/log.adi"), std::string("validate --profile") }) {
        const CliRun run = cli(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
    EXPECT_NE(cli("validate --profile qrz x.adi").err.find("profiles: adif, lotw, eqsl, clublog, pota"),
        std::string::npos);
}

TEST(CliValidate, FrequenciesWrittenWithADecimalCommaPassTheCheck)
{
    const fs::path folder = freshFolder("cli-comma");
    const std::string comma = (folder / "comma.adi").string();
    ASSERT_EQ(
        cli("convert --comma-freq " + quoted(dataFile("adi/fle_crlf.adi")) + " " + quoted(comma)).status, 0);
    ASSERT_NE(fileContents(comma).find(","), std::string::npos);

    const CliRun check = cli("check " + quoted(comma));
    EXPECT_EQ(check.status, 0) << check.out;
    EXPECT_EQ(check.out, "");
    // ADIF itself wants a point: a warning for each frequency, no error.
    const CliRun validate = cli("validate " + quoted(comma));
    EXPECT_EQ(validate.status, 0) << validate.out;
    EXPECT_NE(validate.out.find("has a decimal comma; ADIF wants a point"), std::string::npos);
}

TEST(Cli, ConvertOverItselfKeepsEveryQsoWhenTheReportCannotBeWritten)
{
    const fs::path folder = freshFolder("cli-report");
    const std::string log = (folder / "log.adi").string();
    const std::string text
        = "<CALL:4>AB1C <QSO_DATE:8>20240301 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <EOR>\n"
          "<CALL:2>AB <QSO_DATE:8>20240301 <TIME_ON:4>1200 <BAND:3>20m <MODE:2>CW <EOR>\n";
    writeFile(log, text);
    fs::create_directories(log + ".log");
    const CliRun run = cli("convert " + quoted(log) + " " + quoted(log));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("cannot be listed"), std::string::npos) << run.err;
    EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    EXPECT_EQ(fileContents(log), text);
}

TEST(Cli, CommandsThatWriteALogOverItsOwnFileKeepEveryQso)
{
    const fs::path folder = freshFolder("cli-over-itself");
    const std::string log = quoted((folder / "log.adi").string());
    const std::string other = quoted((folder / "other.adi").string());
    writeFile(folder / "other.adi", "<CALL:4>K1AB <QSO_DATE:8>20240302 <TIME_ON:4>0100 <EOR>\n");
    writeFile(folder / "filters.xml", "<usecall>Y</usecall>\n<callsign>dl</callsign>\n");
    struct Case {
        std::string command;
        int qsos;
    };
    const Case cases[] = {
        { "convert " + log + " " + log, 2 },
        { "merge " + log + " " + other + " " + log, 3 },
        { "filter " + log + " " + log + " --filters " + quoted((folder / "filters.xml").string()), 1 },
        { "add --call w1aw --date 20240303 --time 1200 --band 20m --mode CW --rst-sent 599 --rst-rcvd 599 "
                + log + " " + log,
            3 },
        { "apply " + log + " " + log + " --step \"replace CALL DL1A DL9Z whole-cell\"", 2 },
    };
    for (const Case &c : cases) {
        writeFile(folder / "log.adi",
            "<CALL:4>DL1A <QSO_DATE:8>20240301 <TIME_ON:4>1200 <EOR>\n"
            "<CALL:4>W1AW <QSO_DATE:8>20240301 <TIME_ON:4>1300 <EOR>\n");
        const CliRun run = cli(c.command + " --no-checks");
        EXPECT_EQ(run.status, 0) << c.command << "\n" << run.err;
        EXPECT_EQ(qsosIn((folder / "log.adi").string()), c.qsos) << c.command;
    }
}

TEST(Cli, AValueHoldingAnEndOfRecordTagSurvivesAdxToAdi)
{
    const fs::path folder = freshFolder("cli-eor");
    const std::string adx = (folder / "log.adx").string();
    const std::string adi = (folder / "log.adi").string();
    writeFile(adx,
        "<?xml version=\"1.0\"?><ADX><RECORDS><RECORD><CALL>AB1C</CALL>"
        "<COMMENT>sent &lt;EOR&gt; twice</COMMENT><NAME>Bob</NAME></RECORD></RECORDS></ADX>\n");
    ASSERT_EQ(cli("convert --no-checks " + quoted(adx) + " " + quoted(adi)).status, 0);
    const CliRun info = cli("info " + quoted(adi));
    EXPECT_NE(info.out.find("QSOs: 1\n"), std::string::npos) << info.out;
    EXPECT_NE(info.out.find("  NAME "), std::string::npos) << info.out;
    EXPECT_NE(fileContents(adi).find("<COMMENT:16>sent <EOR> twice <NAME:3>Bob <EOR>"), std::string::npos);
}

TEST(Cli, SaysWhatTheReadingRepairedOrSkipped)
{
    const fs::path folder = freshFolder("cli-repairs");
    const std::string log = (folder / "log.adi").string();
    writeFile(log,
        "<CALL:4 W1AW<EOR>\n<MY CALL:4>AB1C <CALL:4>K1AB <EOR>\n<CALL:4>AB1C <NAME:6>J\xc3\xbcrgen "
        "<NAME:5>Ma");
    const CliRun info = cli("info " + quoted(log));
    EXPECT_EQ(info.status, 0) << info.err;
    for (const char *line :
        { "QSOs: 2\n", "Lengths counted in characters: 1\n", "Values cut short by the end of the file: 1\n",
            "Tags skipped: 2\n", "Records without any field: 1\n" })
        EXPECT_NE(info.out.find(line), std::string::npos) << line << info.out;

    const CliRun convert
        = cli("convert --no-checks " + quoted(log) + " " + quoted((folder / "out.adi").string()));
    EXPECT_EQ(convert.status, 0) << convert.err;
    EXPECT_NE(convert.err.find(log + ": One value is cut short by the end of the file.\n"), std::string::npos)
        << convert.err;
    EXPECT_NE(convert.err.find(log + ": 2 tags could not be read and were skipped.\n"), std::string::npos);
}

TEST(Cli, RefusesPipesAndLogsTooLargeForMemory)
{
    const fs::path folder = freshFolder("cli-refuse");
    const std::string fifo = (folder / "pipe.adi").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const CliRun pipe = cli("info " + quoted(fifo));
    EXPECT_EQ(pipe.status, 2);
    EXPECT_NE(pipe.err.find("Can't open selected file."), std::string::npos) << pipe.err;

    // Every record names a field of its own: records x names cells for a file of a few hundred kB.
    std::string spread;
    for (int i = 0; i < 30000; ++i)
        spread += "<F" + std::to_string(i) + ":0><EOR>";
    writeFile(folder / "spread.adi", spread);
    for (const char *command : { "info", "check", "convert" }) {
        const std::string out
            = std::string(command) == "convert" ? " " + quoted((folder / "o.adi").string()) : "";
        const CliRun run
            = cli(std::string(command) + " --no-checks " + quoted((folder / "spread.adi").string()) + out);
        EXPECT_EQ(run.status, 2) << command;
        EXPECT_NE(run.err.find("Not enough memory for this log."), std::string::npos) << command << run.err;
    }
}
