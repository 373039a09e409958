// SPDX-License-Identifier: GPL-3.0-or-later
#include "TableSnapshot.h"
#include "core/UndoJournal.h"
#include "tools/DateConversion.h"
#include "tools/TimeConversion.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

TEST(AdifDate, RearrangesByPositionAndWidensTwoDigitYears)
{
    struct Case {
        const char *cell;
        DateTemplate layout;
        const char *expected; // nullptr: too short, left alone
    };
    const Case cases[] = {
        { "21.03.24", DateTemplate::DdMmYy, "20240321" },
        { "21.03.51", DateTemplate::DdMmYy, "19510321" },
        { "21.03.50", DateTemplate::DdMmYy, "20500321" },
        { "21/03/00", DateTemplate::DdMmYy, "20000321" },
        { "21x03x99", DateTemplate::DdMmYy, "19990321" },
        { "20240321", DateTemplate::DdMmYy, "20214020" }, // a second run rewrites again
        { "  5.3.24", DateTemplate::DdMmYy, nullptr },
        { "", DateTemplate::DdMmYy, nullptr },
        { "210324", DateTemplate::DdMmYyCompact, "20240321" },
        { "21032", DateTemplate::DdMmYyCompact, nullptr },
        { "21.03.2024 10:00", DateTemplate::DdMmYyyy, "20240321" },
        { "21-mar-24", DateTemplate::DdMmmYy, "20240321" },
        { "01-DEC-75", DateTemplate::DdMmmYy, "19751201" },
        { "21.Foo.24", DateTemplate::DdMmmYy, "2024Foo21" },
        { "07 sEp 2023", DateTemplate::DdMmmYyyy, "20230907" },
        { "03/21/24", DateTemplate::MmDdYy, "20240321" },
        { "24-03-21", DateTemplate::YyMmDd, "20240321" },
        { "ab-03-21", DateTemplate::YyMmDd, "20ab0321" }, // no digits read as 0: this century
        { "2024-03-21", DateTemplate::YyyyMmDd, "20240321" },
        { "2024-03-2", DateTemplate::YyyyMmDd, nullptr },
    };
    for (const Case &c : cases) {
        const auto date = adifDateFrom(c.cell, c.layout);
        if (c.expected == nullptr)
            EXPECT_FALSE(date) << c.cell;
        else
            EXPECT_EQ(date.value_or("(none)"), c.expected) << c.cell;
    }
}

TEST(AdifDate, TemplatesAreKnownByTheirNames)
{
    const auto &names = dateTemplateNames();
    ASSERT_EQ(names.size(), 8u);
    EXPECT_EQ(names[0], "DD.MM.YY");
    for (std::size_t index = 0; index < names.size(); ++index)
        EXPECT_EQ(dateTemplateNamed(names[index]), static_cast<DateTemplate>(index)) << names[index];
    EXPECT_FALSE(dateTemplateNamed("dd.mm.yy"));
}

TEST(AdifTime, FollowsTheSourceLayoutAndTheTarget)
{
    struct Case {
        const char *cell;
        TimeTemplate layout;
        TimeTarget target;
        const char *expected;
    };
    using T = TimeTemplate;
    const Case cases[] = {
        { "14:05", T::HhColonMm, TimeTarget::Hhmmss, "140500" },
        { "14:05", T::HhColonMm, TimeTarget::Hhmm, "1405" },
        { "9:05", T::HhColonMm, TimeTarget::Hhmm, nullptr },
        { "14.05", T::HhColonMm, TimeTarget::Hhmm, nullptr },
        { "14:05:59", T::HhColonMmColonSs, TimeTarget::Hhmm, "1405" },
        { "14:05:59", T::HhColonMmColonSs, TimeTarget::Hhmmss, "140559" },
        { "14:05", T::HhColonMmColonSs, TimeTarget::Hhmm, nullptr },
        { "14:05.59", T::HhColonMmColonSs, TimeTarget::Hhmm, nullptr },
        { "1405", T::Hhmm, TimeTarget::Hhmmss, "140500" },
        { " 140533 ", T::Hhmm, TimeTarget::Hhmm, "1405" },
        { "140", T::Hhmm, TimeTarget::Hhmm, nullptr },
        { "140533", T::Hhmmss, TimeTarget::Hhmm, "1405" },
        { "140533", T::Hhmmss, TimeTarget::Hhmmss, "140533" },
        { "14053", T::Hhmmss, TimeTarget::Hhmmss, nullptr },
        { " 14h ", T::Hh, TimeTarget::Hhmmss, "14" },
        { " 5 ", T::Mm, TimeTarget::Hhmm, "5" },
        { "", T::Hh, TimeTarget::Hhmm, "" },
    };
    for (const Case &c : cases) {
        const auto time = adifTimeFrom(c.cell, c.layout, c.target);
        if (c.expected == nullptr)
            EXPECT_FALSE(time) << c.cell;
        else
            EXPECT_EQ(time.value_or("(none)"), c.expected) << c.cell;
    }
}

TEST(ConvertDateColumn, RewritesQsoRowsOnlyAndOneUndoRestoresTheColumn)
{
    LogTable table = logOf({ "CALL", "QSO_DATE" },
        { { "DL1ABC", "21.03.24" }, { "K1AB", "  5.3.24" }, { "W1AW", "" },
            { "G4X", "\xff\xfe\x01 garbage!" } });
    table.setText(0, 2, "12.34.56"); // a header that would fit the layout
    UndoJournal journal(table);
    const auto before = snapshot(table);

    const ToolResult result = convertDateColumn(table, journal, 2, DateTemplate::DdMmYy);
    EXPECT_EQ(result.cellsChanged, 2);
    EXPECT_EQ(result.undoRecords, 1);
    EXPECT_EQ(table.text(0, 2), "12.34.56");
    EXPECT_EQ(table.text(1, 2), "20240321");
    EXPECT_EQ(table.text(2, 2), "  5.3.24");
    EXPECT_EQ(table.text(3, 2), "");
    EXPECT_EQ(table.text(4, 2),
        "20rb g"
        "\xff\xfe"); // bytes rearranged, never read past the cell
    EXPECT_TRUE(journal.isModified());

    journal.undo();
    EXPECT_EQ(snapshot(table), before);
    EXPECT_FALSE(journal.isModified());
}

TEST(ConvertTimeColumn, AColumnThatIsNotThereChangesNothing)
{
    LogTable table = logOf({ "TIME_ON" }, { { "14:05" } });
    UndoJournal journal(table);
    for (const int column : { -1, 0, 2, 99 }) {
        const ToolResult result
            = convertTimeColumn(table, journal, column, TimeTemplate::HhColonMm, TimeTarget::Hhmm);
        EXPECT_EQ(result.message, "Cannot find TIME_ON or TIME_OFF column.");
        EXPECT_EQ(result.messageKind, BoxKind::Warning);
        EXPECT_FALSE(result.changedAnything());
    }
    EXPECT_EQ(journal.recordCount(), 0);
    EXPECT_EQ(
        convertDateColumn(table, journal, 5, DateTemplate::DdMmYy).message, "Cannot find QSO_DATE column.");
    EXPECT_EQ(table.text(1, 1), "14:05");

    EXPECT_EQ(
        convertTimeColumn(table, journal, 1, TimeTemplate::HhColonMm, TimeTarget::Hhmmss).cellsChanged, 1);
    EXPECT_EQ(table.text(1, 1), "140500");
    journal.undo();
    EXPECT_EQ(table.text(1, 1), "14:05");
}
