// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the command-line tool as an operator would and checks its output and exit status.
#include "TestSupport.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/wait.h>

using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

CliRun cli(const std::string &arguments)
{
    const fs::path errors = fs::temp_directory_path() / "quillog-cli-test.err";
    const std::string command = std::string(QUILLOG_CLI) + " " + arguments + " 2>" + errors.string();
    CliRun run;
    FILE *pipe = popen(command.c_str(), "r");
    char buffer[4096];
    for (std::size_t got; (got = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, got);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    run.err = fileContents(errors);
    return run;
}

std::string quoted(const std::string &path)
{
    return "'" + path + "'";
}

} // namespace

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
             Case { "info " + quoted(folder.string()), 2, "folder" },
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
