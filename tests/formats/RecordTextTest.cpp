// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RecordText.h"

#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace quillog;

namespace
{

LogTable smallLog()
{
    LogTable table;
    table.setColumnCount(4);
    table.setRowCount(4);
    const char *cells[4][4] = { { "#", "Call", "QSO_DATE", "NOTES" }, { "1", " AB1C ", "2024-03-01", "" },
        { "2", "K1AB", "", "say \"hi\"" }, { "3", "W1AW", "20240301", "" } };
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c)
            table.setText(r, c, cells[r][c]);
    }
    table.setFixedColumnCount(1);
    return table;
}

} // namespace

TEST(RecordText, CopiesSelectedRowsAsAdiWithoutNormalisation)
{
    LogTable table = smallLog();
    table.setSelection({ { 1, 2, 2, 2 } });
    const TypeMap types = { { "CALL", 'S' } };
    EXPECT_EQ(adiRecordText(table, 1, 3, {}, types),
        "<Call:4>AB1C <QSO_DATE:10>2024-03-01 <EOR>\r\n<Call:4>K1AB <NOTES:8>say \"hi\" <EOR>\r\n");
    SaveOptions options;
    options.lowerCase = true;
    options.typeIndicator = true;
    EXPECT_EQ(adiRecordText(table, 2, 2, options, types), "<call:4:s>K1AB <notes:8>say \"hi\" <eor>\r\n");
}

TEST(RecordText, CopiesSelectedRowsAsCsvWithEveryColumnQuoted)
{
    LogTable table = smallLog();
    table.setSelection({ { 2, 1, 3, 1 } });
    EXPECT_EQ(csvRecordText(table, 1, 3, ';'),
        "\"K1AB\";\"\";\"say \"\"hi\"\"\";\r\n\"W1AW\";\"20240301\";\"\";\r\n");
}
