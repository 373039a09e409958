// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Arena.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace quillog
{

/// A 24-bit RGB colour, red in the low byte.
using Colour = std::uint32_t;

/// A rectangle of cells, both corners included.
struct CellRange {
    int firstRow = -1;
    int firstColumn = -1;
    int lastRow = -1;
    int lastColumn = -1;

    bool isValid() const
    {
        return firstRow >= 0 && firstColumn >= 0 && lastRow >= firstRow && lastColumn >= firstColumn;
    }
    bool contains(int row, int column) const
    {
        return row >= firstRow && row <= lastRow && column >= firstColumn && column <= lastColumn;
    }
};

/// How sortByColumn() compares a column's texts; chosen from the column's header.
enum class SortComparison { Numeric, Date, Text };

/// The open log as a table of text cells. Row 0 holds the field names, rows 1 to R-1 the QSOs; after a
/// load, column 0 is the fixed "#" column with the row numbers. A cell has a text (bytes in the file's
/// own encoding), an optional background colour (the log check's mark) and an integer of item data.
///
/// Cell texts live in large blocks owned by the table. A view returned by text() stays valid until the
/// table is cleared, destroyed or compacts its storage, which only happens inside a changing call.
class LogTable
{
public:
    LogTable() = default;
    LogTable(const LogTable &) = delete;
    LogTable &operator=(const LogTable &) = delete;
    LogTable(LogTable &&) noexcept = default;
    LogTable &operator=(LogTable &&) noexcept = default;

    int rowCount() const { return static_cast<int>(m_rows.size()); }
    int columnCount() const { return m_columns; }
    int fixedRowCount() const { return m_fixedRows; }
    int fixedColumnCount() const { return m_fixedColumns; }
    int qsoCount() const { return rowCount() > 0 ? rowCount() - 1 : 0; }

    /// Grow with empty cells or drop the last rows / columns; false when memory runs out.
    bool setRowCount(int rows);
    bool setColumnCount(int columns);
    /// Makes room for this many columns without adding any, so that inserting them later does not move
    /// every row; false when memory runs out.
    bool reserveColumns(int columns);
    void setFixedRowCount(int rows);
    void setFixedColumnCount(int columns);

    /// Empty for a cell outside the table.
    std::string_view text(int row, int column) const
    {
        if (!contains(row, column))
            return {};
        const Cell &c = cell(row, column);
        return { c.data, c.size };
    }
    /// Copies the text into the table; false (and no change) for a cell outside the table.
    bool setText(int row, int column, std::string_view text);

    std::optional<Colour> backgroundColour(int row, int column) const;
    bool setBackgroundColour(int row, int column, std::optional<Colour> colour);
    int itemData(int row, int column) const;
    bool setItemData(int row, int column, int data);

    /// Inserts an empty column headed by heading; position -1 appends. Returns the new index, or -1
    /// when the position lies before the fixed column or beyond the end.
    int insertColumn(std::string_view heading, int position = -1);
    /// Inserts an empty row whose first cell holds heading; position -1 appends. Returns the new
    /// index, or -1 for the header row or a position at or beyond the end.
    int insertRow(std::string_view heading, int position = -1);
    bool deleteColumn(int column);
    bool deleteRow(int row);
    /// Removes every QSO row; the header row stays.
    void deleteAllQsoRows();

    /// For each column, how many QSO rows have a non-empty cell in it.
    std::vector<int> filledCellCounts() const;

    /// The first column whose header equals name byte for byte; -1 when none does.
    int findColumn(std::string_view name) const;
    /// Writes each row's number into column 0.
    void numberRows();
    /// Gives a freshly read log its fixed "#" column of row numbers (inserted when there is no fixed
    /// column yet) and numbers the rows; false when there is no memory for the column.
    bool addRowNumbers();

    /// Reorders the QSO rows by the column; the comparison follows the column's header. The requested
    /// direction applies only when the column is the one last sorted; otherwise the sort ascends.
    /// Returns the new order: entry i is the index the row now at i had before (entry 0 is 0).
    std::vector<int> sortByColumn(int column, bool ascending);
    /// Sorts by the column's dates extended by each cell's item data as minutes after midnight, always
    /// in the requested direction.
    std::vector<int> sortChronologically(int column, bool ascending);
    /// Puts the rows in a new order: the row at i becomes the row that was at order[i]. The order must
    /// be a permutation of all rows that keeps row 0 in place; anything else is refused.
    bool reorderRows(const std::vector<int> &order);
    /// Sets what the table remembers as the last sort (used when a sort is undone).
    void setLastSort(int column, bool ascending);
    static SortComparison comparisonForHeader(std::string_view header);
    int lastSortColumn() const { return m_lastSortColumn; }
    bool lastSortAscending() const { return m_lastSortAscending; }

    /// The bounding rectangle of the selection; all -1 when nothing is selected.
    CellRange selection() const { return m_selectionBounds; }
    void setSelection(std::vector<CellRange> ranges);
    void clearSelection();
    bool isSelected(int row, int column) const;
    /// True when any cell of the row between the two columns is selected.
    bool rowHasSelectedCell(int row, int firstColumn, int lastColumn) const;

    /// True when every text ever put into the table was plain ASCII, so that no cell needs decoding
    /// with care. Once false it stays false until the table is replaced.
    bool holdsOnlyAscii() const { return m_onlyAscii; }

    /// For readers: hands the file buffer to the table, so that setTextView() can point into it.
    void adoptBuffer(LargeBuffer buffer);
    /// Sets a cell to a view without copying; the bytes must live in a buffer the table adopted.
    void setTextView(int row, int column, std::string_view text);

private:
    // 12 bytes without padding: the cells of a large log are most of its memory, and every fresh page
    // costs a fault. A colour or item data is rare, so it lives in arrays of the row made on first use.
    struct [[gnu::packed]] Cell {
        const char *data = nullptr;
        std::uint32_t size = 0;
    };
    struct Row {
        Cell *cells = nullptr;
        std::int32_t *itemData = nullptr; // allocated on first use
        std::uint32_t *colours = nullptr; // allocated on first use; colourPresent marks a set colour
    };
    static constexpr std::uint32_t colourPresent = 1u << 31;

    bool contains(int row, int column) const
    {
        return row >= 0 && column >= 0 && row < rowCount() && column < m_columns;
    }
    Cell &cell(int row, int column) { return m_rows[static_cast<std::size_t>(row)].cells[column]; }
    const Cell &cell(int row, int column) const
    {
        return m_rows[static_cast<std::size_t>(row)].cells[column];
    }
    bool makeRow(Row &row);
    void maybeCompact();
    void compact();
    template <typename Key, typename Less> std::vector<int> sortRows(Key keyOf, Less less);

    Arena m_arena;
    std::vector<Row> m_rows;
    int m_columns = 0;
    int m_capacity = 0; // cells allocated per row
    int m_fixedRows = 1;
    int m_fixedColumns = 0;
    int m_lastSortColumn = -1;
    bool m_lastSortAscending = true;
    bool m_onlyAscii = true;
    std::size_t m_compactedSize = 0;
    std::vector<CellRange> m_selection;
    CellRange m_selectionBounds;
};

} // namespace quillog
