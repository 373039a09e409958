// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

class LogTable;

enum class UndoKind {
    None = 0,
    ColumnInserted = 1, ///< column; extra = its width or -1
    RowInserted = 2, ///< row
    ColumnDeleted = 3, ///< column, its width, all its cells (header included)
    RowDeleted = 4, ///< row, all its cells ("#" included)
    ColumnSnapshot = 5, ///< column, all its cells; extra = its width or -1
    RowSnapshot = 6, ///< row, all its cells
    HeaderChange = 7, ///< column, its header text
    CellChange = 8, ///< row and column, the cell's text before an edit
    SortChange = 9, ///< the row order before a sort and the sort the table remembered before it
};

/// Cell texts kept byte for byte, back to back.
class PackedCells
{
public:
    void append(std::string_view text);
    std::size_t size() const { return m_ends.size(); }
    std::string_view at(std::size_t index) const;
    void clear();

private:
    std::string m_bytes;
    std::vector<std::size_t> m_ends;
};

struct UndoRecord {
    UndoKind kind = UndoKind::None;
    int row = -1;
    int column = -1;
    int extra = -1;
    PackedCells cells; ///< filled by the journal for snapshots, deletions and header changes
    std::string text; ///< the old text of a CellChange
    std::vector<int> rowOrder; ///< SortChange: entry i is the row now at i before the sort
};

/// What an undo or redo changed, so the view can refresh and restore widths.
struct UndoEffect {
    bool applied = false;
    UndoKind kind = UndoKind::None;
    int row = -1;
    int column = -1;
    /// The column width to restore (-1: size to contents) for column kinds.
    int width = -1;
    /// True when rows were added or removed (the QSO count and row numbers changed).
    bool rowsChanged = false;
};

/// The edit history of the open log: records with a current position and a saved position. Each
/// record is added before its change; undo and redo restore cells byte for byte. Snapshot, header,
/// cell and sort records swap their content on undo, so the same record serves the following redo.
class UndoJournal
{
public:
    explicit UndoJournal(LogTable &table);

    /// Drops the redo branch, fills the record's cells from the table for kinds 3 to 7, appends it.
    void addRecord(UndoRecord record);
    /// Records a sort that has just been made: the new order it returned and the table's last sort
    /// before it.
    void addSortRecord(std::vector<int> newOrder, int previousSortColumn, bool previousSortAscending);
    UndoEffect undo();
    UndoEffect redo();
    bool canUndo() const { return m_current >= 0; }
    bool canRedo() const { return m_current + 1 < static_cast<int>(m_records.size()); }

    void clear();
    void markSaved() { m_saved = m_current; }
    /// The table now differs from every state the journal can reach (a merge changed it without
    /// records): the log stays modified until the next save.
    void markUnsaved() { m_saved = unreachable; }
    bool isModified() const { return m_saved != m_current; }
    int recordCount() const { return static_cast<int>(m_records.size()); }

    /// Where the journal learns a column's present width (the view's business); -1 when unknown.
    void setColumnWidthSource(std::function<int(int column)> widthOf) { m_widthOf = std::move(widthOf); }

private:
    void capture(UndoRecord &record) const;
    void swap(UndoRecord &record);
    UndoEffect apply(UndoRecord &record, bool undoing);
    void packColumn(int column, PackedCells &cells) const;
    void packRow(int row, PackedCells &cells) const;
    void unpackColumn(int column, const PackedCells &cells);
    void unpackRow(int row, const PackedCells &cells);
    void renumber();
    int widthOf(int column) const { return m_widthOf ? m_widthOf(column) : -1; }

    static constexpr int unreachable = -2; // a saved position no undo or redo can come back to

    LogTable &m_table;
    std::vector<UndoRecord> m_records;
    int m_current = -1;
    int m_saved = -1;
    std::function<int(int)> m_widthOf;
};

} // namespace quillog
