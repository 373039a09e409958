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

TEST(LogTableModel, FrozenModelKeepsItsShapeReadsNothingAndRefusesEdits)
{
    LogTable table = test::loadedTable({ { "CALL" }, { "DL1ABC" } });
    UndoJournal journal(table);
    LogTableModel model(table, journal);
    const QModelIndex cell = model.index(0, 0);
    model.freeze();
    table.setRowCount(5); // a worker writes the table meanwhile
    EXPECT_EQ(model.rowCount(), 1);
    EXPECT_EQ(model.columnCount(), 1);
    EXPECT_FALSE(model.data(cell, Qt::DisplayRole).isValid());
    EXPECT_FALSE(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).isValid());
    EXPECT_FALSE(model.setData(cell, QStringLiteral("X"), Qt::EditRole));
    EXPECT_EQ(journal.recordCount(), 0);
}

TEST(LogTableModel, ThawingResetsOnlyWhenTheTableShrank)
{
    struct Case {
        const char *worker;
        int rows, columns; // the table's QSO rows and field columns after the worker
        bool reset;
    };
    for (const Case &c : { Case { "save or check", 2, 2, false }, Case { "merge of new QSOs", 5, 2, false },
             Case { "merge of new fields", 5, 4, false }, Case { "load of a shorter log", 1, 2, true },
             Case { "load of a narrower log", 2, 1, true } }) {
        LogTable table = test::loadedTable({ { "CALL", "BAND" }, { "DL1ABC", "20M" }, { "G4XYZ", "40M" } });
        UndoJournal journal(table);
        LogTableModel model(table, journal);
        int resets = 0;
        int inserted = 0;
        QObject::connect(&model, &QAbstractItemModel::modelReset, [&] { ++resets; });
        QObject::connect(&model, &QAbstractItemModel::rowsInserted, [&] { ++inserted; });
        QObject::connect(&model, &QAbstractItemModel::columnsInserted, [&] { ++inserted; });
        model.freeze();
        table.setRowCount(c.rows + 1);
        table.setColumnCount(c.columns + 1);
        table.setText(1, 1, "K1AB");
        model.thaw();
        EXPECT_EQ(resets, c.reset ? 1 : 0) << c.worker;
        EXPECT_EQ(inserted, c.reset ? 0 : int(c.rows > 2) + int(c.columns > 2)) << c.worker;
        EXPECT_EQ(model.rowCount(), c.rows) << c.worker;
        EXPECT_EQ(model.columnCount(), c.columns) << c.worker;
        EXPECT_EQ(display(model, 0, 0), "K1AB") << c.worker;
    }
}

} // namespace quillog::ui
