// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LogTableModel.h"

#include "UiTestSupport.h"
#include "core/UndoJournal.h"

#include <QColor>
#include <gtest/gtest.h>

namespace quillog::ui
{

namespace
{

QString display(const LogTableModel &model, int row, int column)
{
    return model.data(model.index(row, column), Qt::DisplayRole).toString();
}

} // namespace

TEST(LogTableModel, HeaderRowAndRowNumberColumnBecomeTheHeaders)
{
    LogTable table = test::loadedTable({ { "CALL", "BAND" }, { "DL1ABC", "20M" }, { "G4XYZ", "40M" } });
    UndoJournal journal(table);
    LogTableModel model(table, journal);

    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 2);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(), "CALL");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "BAND");
    EXPECT_EQ(model.headerData(1, Qt::Vertical, Qt::DisplayRole).toString(), "2");
    EXPECT_EQ(display(model, 0, 0), "DL1ABC");
    EXPECT_EQ(display(model, 1, 1), "40M");

    // The numbers come from the "#" column, so a sorted log shows where each row came from.
    table.setText(1, 0, "17");
    EXPECT_EQ(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toString(), "17");
}

TEST(LogTableModel, EmptyShapeWithoutFixedColumnNumbersTheRows)
{
    LogTable table;
    table.setColumnCount(15);
    table.setRowCount(26);
    UndoJournal journal(table);
    LogTableModel model(table, journal);
    EXPECT_EQ(model.rowCount(), 25);
    EXPECT_EQ(model.columnCount(), 15);
    EXPECT_EQ(model.headerData(0, Qt::Vertical, Qt::DisplayRole).toInt(), 1);
    ASSERT_TRUE(model.setData(model.index(0, 0), QStringLiteral("CALL"), Qt::EditRole));
    EXPECT_EQ(table.text(1, 0), "CALL");
}

TEST(LogTableModel, EditIsRecordedAndUndoneByteForByte)
{
    LogTable table = test::loadedTable({ { "CALL", "NAME" }, { "DL1ABC", " Jo " } });
    UndoJournal journal(table);
    LogTableModel model(table, journal);

    ASSERT_TRUE(model.setData(model.index(0, 1), QStringLiteral("Joe"), Qt::EditRole));
    EXPECT_EQ(table.text(1, 2), "Joe");
    EXPECT_TRUE(journal.isModified());
    EXPECT_EQ(journal.recordCount(), 1);

    const UndoEffect effect = journal.undo();
    EXPECT_EQ(effect.kind, UndoKind::CellChange);
    EXPECT_EQ(table.text(1, 2), " Jo ");
    EXPECT_FALSE(journal.isModified());
    journal.redo();
    EXPECT_EQ(table.text(1, 2), "Joe");

    // Typing the same text again changes nothing and records nothing.
    EXPECT_FALSE(model.setData(model.index(0, 1), QStringLiteral("Joe"), Qt::EditRole));
    EXPECT_EQ(journal.recordCount(), 1);
}

TEST(LogTableModel, Windows1252LogIsShownAndEditedInItsOwnEncoding)
{
    LogTable table = test::loadedTable({ { "CALL", "NAME", "QTH" }, { "DL1ABC", "J\xF6rg", "K\xF6ln" } });
    UndoJournal journal(table);
    LogTableModel model(table, journal);
    ASSERT_EQ(model.encoding(), TextEncoding::Windows1252);
    EXPECT_EQ(display(model, 0, 1), QStringLiteral("J\u00F6rg"));

    ASSERT_TRUE(model.setData(model.index(0, 1), QStringLiteral("Ren\u00E9 \u20AC"), Qt::EditRole));
    EXPECT_EQ(table.text(1, 2), "Ren\xE9 \x80");
    EXPECT_EQ(display(model, 0, 1), QStringLiteral("Ren\u00E9 \u20AC"));
    EXPECT_EQ(table.text(1, 3), "K\xF6ln"); // untouched cells keep their bytes
    journal.undo();
    EXPECT_EQ(table.text(1, 2), "J\xF6rg");
}

TEST(LogTableModel, Utf8LogKeepsUtf8Bytes)
{
    LogTable table = test::loadedTable({ { "CALL", "NAME" }, { "SP5ABC", "\xC5\x81ukasz" } });
    UndoJournal journal(table);
    LogTableModel model(table, journal);
    EXPECT_EQ(display(model, 0, 1), QStringLiteral("\u0141ukasz"));
    ASSERT_TRUE(model.setData(model.index(0, 1), QStringLiteral("J\u00F6rg"), Qt::EditRole));
    EXPECT_EQ(table.text(1, 2), "J\xC3\xB6rg");
}

TEST(LogTableModel, CellColourWinsOverTheGridBackground)
{
    LogTable table = test::loadedTable({ { "CALL", "BAND" }, { "DL1ABC", "21M" } });
    table.setBackgroundColour(1, 2, makeColour(255, 200, 200));
    UndoJournal journal(table);
    LogTableModel model(table, journal);
    GridAppearance appearance;
    model.setAppearance(appearance, QFont());
    EXPECT_EQ(model.data(model.index(0, 1), Qt::BackgroundRole).value<QColor>(), QColor(255, 200, 200));
    EXPECT_EQ(model.data(model.index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(220, 220, 220));
    EXPECT_EQ(model.data(model.index(0, 0), Qt::ForegroundRole).value<QColor>(), QColor(0, 0, 150));
}

TEST(LogTableModel, FrozenModelReportsNothingAndRefusesEdits)
{
    LogTable table = test::loadedTable({ { "CALL" }, { "DL1ABC" } });
    UndoJournal journal(table);
    LogTableModel model(table, journal);
    const QModelIndex cell = model.index(0, 0);
    model.freeze();
    EXPECT_EQ(model.rowCount(), 0);
    EXPECT_EQ(model.columnCount(), 0);
    EXPECT_FALSE(model.setData(cell, QStringLiteral("X"), Qt::EditRole));
    EXPECT_EQ(journal.recordCount(), 0);
    // A worker replaces the table meanwhile; thawing reads the new content and its encoding.
    table.setText(1, 1, "\xE9");
    model.thaw();
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.encoding(), TextEncoding::Windows1252);
}

} // namespace quillog::ui
