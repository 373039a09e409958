// SPDX-License-Identifier: GPL-3.0-or-later
// quillog-cli apply and find on logs, compared with dumps checked by hand.
#include "CliRun.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace quillog::test;
namespace fs = std::filesystem;

namespace
{

const std::string stepsLog = dataFile("tools/steps.adi");

// The operator's own lists stay out of the way: the steps see the shipped definitions only.
struct ApplyRun {
    fs::path folder = freshFolder("apply");
    std::string environment = "XDG_DATA_HOME=" + quoted(folder.string());
    fs::path out = folder / "out.txt";

    CliRun apply(
        const std::string &log, const std::string &steps, const std::string &options = "--dump") const
    {
        return cli(
            "apply " + quoted(log) + " " + quoted(out.string()) + " " + options + " " + steps, environment);
    }
    std::string written() const { return fileContents(out); }
};

std::string step(const std::string &line)
{
    return "--step \"" + line + "\" ";
}

} // namespace

TEST(CliApply, StepsRunInOrderThroughTheEditorsTools)
{
    const ApplyRun run;
    const CliRun result = run.apply(stepsLog,
        step("convert-date QSO_DATE DD.MM.YY") + step("convert-time time_on HH:MM HHMMSS")
            + step("convert-freq @4 khz") + step("make-band") + step("convert-mode MODE USB SSB")
            + step("convert-deprecated-modes") + step("replace CALL W1AW 'W1AW/P' whole-cell"));
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(run.written(), fileContents(dataFile("tools/steps.dump")));
}

TEST(CliApply, UndoAndRedoAreSteps)
{
    const ApplyRun run;
    ASSERT_EQ(run.apply(stepsLog, "").status, 0);
    const std::string original = run.written();
    struct Case {
        std::string steps;
        bool sameAsOriginal;
    };
    const Case cases[] = {
        { step("make-band") + step("undo") + step("undo"), true },
        { step("make-band") + step("undo") + step("undo") + step("redo") + step("redo"), false },
        { step("replace all 9 X") + step("undo") + step("undo"), true },
        { step("undo"), true },
    };
    for (const Case &c : cases) {
        const CliRun result = run.apply(stepsLog, c.steps);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(run.written() == original, c.sameAsOriginal) << c.steps;
    }
    run.apply(stepsLog, step("make-band") + step("undo") + step("undo") + step("redo") + step("redo"));
    EXPECT_NE(run.written().find("\tBAND\t"), std::string::npos);
}

TEST(CliApply, AStepThatCannotRunWritesNothing)
{
    struct Case {
        std::string steps;
        std::string message;
    };
    const Case cases[] = {
        { step("convert-date DATE DD.MM.YY"), "Cannot find QSO_DATE column." },
        { step("convert-date QSO_DATE dd.mm.yy"), "unknown date template 'dd.mm.yy'" },
        { step("convert-time @99 HH:MM HHMM"), "Cannot find TIME_ON or TIME_OFF column." },
        { step("convert-freq FREQ mhz"), "unknown frequency unit 'mhz'" },
        { step("make-freq"), "Cannot find BAND column." },
        { step("convert-mode SUBMODE A B"), "Cannot find MODE column." },
        { step("replace GRID a b"), "Cannot find the column 'GRID'." },
        { step("replace all a b loudly"), "unknown replace option 'loudly'" },
        { step("frobnicate"), "unknown step frobnicate" },
        { step("make-band now"), "usage: make-band" },
        { step("replace all 'open"), "unclosed quote" },
        { step("convert-freq FREQ khz") + step("make-freq"), "Cannot find BAND column." },
    };
    for (const Case &c : cases) {
        const ApplyRun run;
        const CliRun result = run.apply(stepsLog, c.steps, "");
        EXPECT_EQ(result.status, 2) << c.steps;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.steps << " said " << result.err;
        EXPECT_FALSE(fs::exists(run.out)) << c.steps;
    }
}

TEST(CliApply, WritesAsConvertDoesAndListsItsSteps)
{
    const ApplyRun run;
    // The dates stay unconverted, so the save checks reject those records: exit 1.
    const CliRun rejected = run.apply(stepsLog, step("convert-freq FREQ khz"), "");
    EXPECT_EQ(rejected.status, 1) << rejected.err;
    const CliRun saved = run.apply(stepsLog,
        step("convert-date QSO_DATE DD.MM.YY") + step("convert-time TIME_ON HH:MM HHMM")
            + step("convert-freq FREQ khz") + step("make-band") + step("convert-mode MODE USB SSB")
            + step("convert-deprecated-modes"),
        "--no-checks");
    EXPECT_EQ(saved.status, 0) << saved.err;
    EXPECT_NE(
        run.written().find("<FREQ:6>14.074 <BAND:3>20M <MODE:4>MFSK <SUBMODE:3>FT4 <EOR>"), std::string::npos)
        << run.written();

    const CliRun list = cli("apply --list");
    EXPECT_EQ(list.status, 0);
    for (const char *line : { "convert-date COLUMN TEMPLATE\n", "convert-time COLUMN FROM TO\n",
             "convert-freq COLUMN khz|hz|ghz|repair\n", "make-band\n", "make-freq\n",
             "convert-mode COLUMN FROM TO\n", "convert-deprecated-modes\n",
             "replace SCOPE FIND REPLACEMENT [match-case] [whole-cell] [any-text]\n", "undo\n", "redo\n" })
        EXPECT_NE(list.out.find(line), std::string::npos) << line;
}

TEST(CliFind, PrintsTheRowsFindAllLists)
{
    struct Case {
        std::string arguments;
        int status;
        std::string out;
    };
    const Case cases[] = {
        { "W1", 0, "3\tW1AW\t\t23:59\t475\tCW\n" },
        { "usb --match-case", 0, "2\tK1AB\t01.12.99\t9:30\t7030,5\tusb\n" },
        { "USB --match-case", 1, "" },
        { "4 --column MODE", 0, "1\tDL1ABC\t21.03.24\t14:05\t14074\tFT4\n" },
        { "CW --whole-cell --column @5", 0, "3\tW1AW\t\t23:59\t475\tCW\n" },
        { "C --whole-cell", 1, "" },
        { "x --column NOPE", 2, "" },
    };
    for (const Case &c : cases) {
        const CliRun run = cli("find " + quoted(stepsLog) + " " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.arguments << ": " << run.err;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
    // A real log: every FT8 QSO of a WSJT-X log is listed, with its title on stderr.
    const CliRun wsjtx
        = cli("find " + quoted(dataFile("adi/wsjtx_2.6.1.adi")) + " FT8 --column MODE --whole-cell");
    EXPECT_EQ(std::count(wsjtx.out.begin(), wsjtx.out.end(), '\n'), 21);
    EXPECT_EQ(wsjtx.err, "Search results: 21 QSOs found\n");
}

TEST(CliApply, TextStructureAndTimeStepsMatchHandCheckedDumps)
{
    const std::string log = dataFile("tools/structure.adi");
    struct Case {
        std::string steps;
        std::string dump;
    };
    const Case cases[] = {
        { step("upper-call") + step("trim QTH") + step("split-column QTH") + step("rename @6 DISTRICT")
                + step("remove-symbols RST_SENT") + step("time-shift 30") + step("fill DISTRICT - empty-only")
                + step("insert-column CALL SRX") + step("add-serial SRX") + step("duplicate-column CALL")
                + step("sort-chrono"),
            "tools/structure-text.dump" },
        { step("lower-call") + step("set-time-off-from-on") + step("delete-column QTH")
                + step("remove-alpha CALL") + step("remove-numeric TIME_ON")
                + step("remove-left-char QSO_DATE") + step("remove-right-char RST_SENT")
                + step("sort RST_SENT desc"),
            "tools/structure-remove.dump" },
    };
    for (const Case &c : cases) {
        const ApplyRun run;
        const CliRun result = run.apply(log, c.steps);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(run.written(), fileContents(dataFile(c.dump))) << c.dump;
    }
}

TEST(CliApply, TimeShiftAndSortsUndoExactly)
{
    const std::string log = dataFile("tools/structure.adi");
    const ApplyRun run;
    ASSERT_EQ(run.apply(log, "").status, 0);
    const std::string original = run.written();
    const std::string cases[] = {
        step("time-shift -1441") + step("undo") + step("undo") + step("undo"),
        step("sort-chrono") + step("sort-chrono") + step("undo") + step("undo"),
        step("sort CALL desc") + step("undo"),
        step("split-column QTH") + step("undo") + step("undo") + step("undo"),
        step("set-time-on-from-off") + step("undo"),
    };
    for (const std::string &steps : cases) {
        const CliRun result = run.apply(log, steps);
        EXPECT_EQ(result.status, 0) << result.err;
        EXPECT_EQ(run.written(), original) << steps;
    }
    const CliRun shifted = run.apply(log, step("time-shift -1441"));
    EXPECT_NE(shifted.err.find("2 QSOs were left unchanged"), std::string::npos) << shifted.err;
    EXPECT_NE(run.written().find("\t20241230\t2329\t2344\t"), std::string::npos) << run.written();
}

TEST(CliApply, TextAndStructureStepsRefuseBadArguments)
{
    const std::string log = dataFile("tools/structure.adi");
    struct Case {
        std::string steps;
        std::string message;
    };
    const Case cases[] = {
        { step("sort NOPE"), "Cannot find the column 'NOPE'." },
        { step("trim @0"), "Cannot find the column '@0'." },
        { step("time-shift 1x"), "the shift is a number of minutes, not '1x'" },
        { step("time-shift -"), "the shift is a number of minutes, not '-'" },
        { step("rename CALL A:B"), "A field name cannot contain blanks" },
        { step("insert-column CALL 'A B'"), "A field name cannot contain blanks" },
        { step("split-column QTH ab"), "the separator is one character, not 'ab'" },
        { step("fill QTH x bogus"), "unknown fill option 'bogus'" },
        { step("sort CALL up"), "unknown sort direction 'up'" },
        { step("delete-column TIME_ON") + step("delete-column TIME_OFF") + step("time-shift 5"),
            "TIME_ON and TIME_OFF columns are not found." },
        { step("rename QSO_DATE DATE") + step("sort-chrono"), "QSO_DATE column is not found." },
        { step("upper-call") + step("rename CALL X") + step("lower-call"), "Cannot find CALL column." },
    };
    for (const Case &c : cases) {
        const ApplyRun run;
        const CliRun result = run.apply(log, c.steps, "");
        EXPECT_EQ(result.status, 2) << c.steps;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.steps << " said " << result.err;
        EXPECT_FALSE(fs::exists(run.out)) << c.steps;
    }
}
