// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FieldColumns.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace quillog;

namespace
{

// One record as its field names in file order.
using Record = std::vector<std::string>;

std::vector<int> columnsOf(FieldColumns &columns, const Record &record)
{
    std::vector<int> found;
    for (std::size_t ordinal = 0; ordinal < record.size(); ++ordinal)
        found.push_back(columns.find(record[ordinal], ordinal));
    return found;
}

FieldColumns knownFields()
{
    FieldColumns columns;
    for (const char *name : { "CALL", "QSO_DATE", "BAND", "MODE", "COMMENT", "APP_N1MM_POINTS" })
        columns.add(name, static_cast<int>(columns.size()) + 10);
    return columns;
}

} // namespace

TEST(FieldColumns, FindsNamesInAnyLetterCaseWhateverTheRecordLayout)
{
    FieldColumns columns = knownFields();
    // Layouts change from record to record: optional fields, other orders, other letter cases, unknown
    // names. A guess from the previous record must never give another field's column.
    const std::vector<std::pair<Record, std::vector<int>>> records = {
        { { "CALL", "QSO_DATE", "BAND", "MODE" }, { 10, 11, 12, 13 } },
        { { "CALL", "QSO_DATE", "BAND", "MODE" }, { 10, 11, 12, 13 } },
        { { "CALL", "QSO_DATE", "COMMENT", "BAND", "MODE" }, { 10, 11, 14, 12, 13 } },
        { { "call", "Qso_Date", "band", "MODE" }, { 10, 11, 12, 13 } },
        { { "MODE", "BAND", "CALL" }, { 13, 12, 10 } },
        { { "CALL", "FREQ", "BAND", "MOD", "MODES", "" }, { 10, -1, 12, -1, -1, -1 } },
        { { "app_n1mm_points", "CALL", "QSO_DATE" }, { 15, 10, 11 } },
        { { "CALL", "QSO_DATE", "BAND", "MODE" }, { 10, 11, 12, 13 } },
    };
    for (const auto &[record, expected] : records)
        EXPECT_EQ(columnsOf(columns, record), expected) << record.front();
}

TEST(FieldColumns, TheFirstColumnOfANameStaysAndKeysAreMatchedAsStored)
{
    FieldColumns columns;
    EXPECT_TRUE(columns.add("CALL", 3));
    EXPECT_FALSE(columns.add("CALL", 7));
    // A heading that is not upper case (a column of an open log) only takes names written that way
    // once upper-cased, which is none.
    EXPECT_TRUE(columns.add("Name", 4));
    EXPECT_EQ(columns.size(), 2u);
    EXPECT_EQ(columns.find("call", 0), 3);
    EXPECT_EQ(columns.find("Name", 0), -1);
    EXPECT_EQ(columns.find("NAME", 0), -1);
}

TEST(FieldColumns, ManyNamesStayApart)
{
    FieldColumns columns;
    for (int i = 0; i < 5000; ++i)
        ASSERT_TRUE(columns.add("F" + std::to_string(i), i));
    for (int i = 4999; i >= 0; --i)
        ASSERT_EQ(columns.find("f" + std::to_string(i), static_cast<std::size_t>(4999 - i)), i);
}
