// SPDX-License-Identifier: GPL-3.0-or-later
// Every column tool on cells of any bytes: empty, huge, binary, not UTF-8. Nothing may crash or read
// past a cell (the sanitizer build checks that), and undoing everything brings the table back exactly.
#include "TableSnapshot.h"
#include "TestSupport.h"
#include "core/UndoJournal.h"
#include "definitions/BandPlan.h"
#include "definitions/ValueLists.h"
#include "tools/BandAndFrequency.h"
#include "tools/DateConversion.h"
#include "tools/DeprecatedModes.h"
#include "tools/Find.h"
#include "tools/FrequencyConversion.h"
#include "tools/ModeConversion.h"
#include "tools/Replace.h"
#include "tools/TimeConversion.h"

#include <gtest/gtest.h>

using namespace quillog;
using namespace quillog::test;

TEST(ColumnTools, AnyCellBytesGoThroughEveryTool)
{
    const std::string huge(1 << 20, '9');
    const std::string binary("\0\xff\xfe<EOR>\r\n\t,", 11);
    const std::vector<std::string> cells { "", huge, binary, "\xc3\x28 mixed \xe9", ",", "1e99999", "-0",
        "  " };
    std::vector<std::vector<std::string>> rows;
    for (const std::string &text : cells)
        rows.push_back({ text, text, text, text, text, text });
    LogTable table = logOf({ "QSO_DATE", "TIME_ON", "FREQ", "BAND", "MODE", "SUBMODE" }, rows);
    UndoJournal journal(table);
    const auto before = snapshot(table);
    ValueLists lists;
    lists.modes = { "CW" };
    lists.submodes = { std::string("\0=\xff", 3), "=CW", "X" };
    StopAfter progress(1000);
    const auto yes = [](std::string_view) { return true; };
    for (int layout = 0; layout < 8; ++layout)
        convertDateColumn(table, journal, 1, static_cast<DateTemplate>(layout));
    for (int layout = 0; layout < 6; ++layout)
        convertTimeColumn(table, journal, 2, static_cast<TimeTemplate>(layout), TimeTarget::Hhmmss);
    for (int unit = 0; unit < 4; ++unit)
        convertFrequencyColumn(table, journal, 3, static_cast<FrequencyUnit>(unit), unit == 1);
    makeBandFromFrequency(table, journal, yes);
    makeFrequencyFromBand(table, journal, defaultBandPlan(), yes);
    convertModeColumn(table, journal, 5, binary, huge);
    convertDeprecatedModes(table, journal, lists, progress);
    ReplaceRequest request;
    request.find = binary;
    replaceInTable(table, journal, request);
    FindState state;
    findNext(table, state, { binary, false, false, false, false, -1 });
    findAll(table, { huge, true, true, false, false, -1 });
    while (journal.canUndo())
        journal.undo();
    EXPECT_EQ(snapshot(table), before);
}
