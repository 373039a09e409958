// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LogTable.h"

#include "core/Calendar.h"
#include "core/Parallel.h"
#include "core/Text.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace quillog
{

namespace
{

// Storage is rebuilt once the blocks hold this much more than the live cells did after the last
// rebuild, so that edits and inserted columns cannot make the table grow without bound.
constexpr std::size_t compactSlack = 64u << 20;

template <typename T> void zero(T *items, int from, int to)
{
    if (items != nullptr && to > from)
        std::memset(static_cast<void *>(items + from), 0, static_cast<std::size_t>(to - from) * sizeof(T));
}

template <typename T> void shift(T *items, int from, int to, int count)
{
    if (items != nullptr && count > 0)
        std::memmove(
            static_cast<void *>(items + to), items + from, static_cast<std::size_t>(count) * sizeof(T));
}

// Applies f to each of a row's arrays that are made on first use.
template <typename R, typename F> void forEachSideArray(R &row, F f)
{
    f(row.itemData);
    f(row.colours);
}

// Moves a side array into a larger one of the arena; a missing array stays missing.
template <typename T> bool moveToLarger(Arena &arena, T *&items, int count, int capacity)
{
    if (items == nullptr)
        return true;
    T *larger = arena.allocate<T>(static_cast<std::size_t>(capacity));
    if (larger == nullptr)
        return false;
    std::copy_n(items, count, larger);
    items = larger;
    return true;
}

} // namespace

bool LogTable::makeRow(Row &row)
{
    row = Row {};
    if (m_capacity == 0)
        return true;
    row.cells = m_arena.allocate<Cell>(static_cast<std::size_t>(m_capacity));
    return row.cells != nullptr;
}

bool LogTable::reserveColumns(int columns)
{
    if (columns <= m_capacity)
        return true;
    const int capacity = m_rows.empty() ? columns : std::max(columns, m_capacity + m_capacity / 2 + 4);
    for (Row &row : m_rows) {
        Row larger = row;
        larger.cells = m_arena.allocate<Cell>(static_cast<std::size_t>(capacity));
        if (larger.cells == nullptr)
            return false;
        std::copy_n(row.cells, m_columns, larger.cells);
        bool moved = true;
        forEachSideArray(larger,
            [&](auto *&items) { moved = moved && moveToLarger(m_arena, items, m_columns, capacity); });
        if (!moved)
            return false;
        row = larger;
    }
    m_capacity = capacity;
    return true;
}

bool LogTable::setRowCount(int rows)
{
    if (rows < 0)
        return false;
    const std::size_t wanted = static_cast<std::size_t>(rows);
    if (wanted <= m_rows.size()) {
        m_rows.resize(wanted);
    } else {
        m_rows.reserve(wanted);
        while (m_rows.size() < wanted) {
            Row row;
            if (!makeRow(row))
                return false;
            m_rows.push_back(row);
        }
    }
    m_fixedRows = std::min(m_fixedRows, rows);
    clearSelection();
    if (rows <= 1)
        compact();
    m_compactedSize = std::max(m_compactedSize, m_arena.bytesHandedOut());
    return true;
}

bool LogTable::setColumnCount(int columns)
{
    if (columns < 0 || !reserveColumns(columns))
        return false;
    if (columns > m_columns) {
        for (Row &row : m_rows) {
            zero(row.cells, m_columns, columns);
            forEachSideArray(row, [&](auto *items) { zero(items, m_columns, columns); });
        }
    }
    m_columns = columns;
    m_fixedColumns = std::min(m_fixedColumns, columns);
    if (m_lastSortColumn >= columns)
        m_lastSortColumn = -1;
    clearSelection();
    m_compactedSize = std::max(m_compactedSize, m_arena.bytesHandedOut());
    return true;
}

void LogTable::setFixedRowCount(int rows)
{
    m_fixedRows = std::clamp(rows, 0, rowCount());
}

void LogTable::setFixedColumnCount(int columns)
{
    m_fixedColumns = std::clamp(columns, 0, m_columns);
}

bool LogTable::setText(int row, int column, std::string_view text)
{
    if (!contains(row, column) || text.size() > std::numeric_limits<std::uint32_t>::max())
        return false;
    const std::string_view stored = m_arena.store(text);
    if (stored.data() == nullptr && !text.empty())
        return false;
    m_onlyAscii = m_onlyAscii && isAscii(text);
    Cell &c = cell(row, column);
    c.data = stored.data();
    c.size = static_cast<std::uint32_t>(stored.size());
    maybeCompact();
    return true;
}

void LogTable::setTextView(int row, int column, std::string_view text)
{
    if (!contains(row, column) || text.size() > std::numeric_limits<std::uint32_t>::max())
        return;
    Cell &c = cell(row, column);
    c.data = text.data();
    c.size = static_cast<std::uint32_t>(text.size());
}

namespace
{

// A whole file's bytes, shared among the cores when there are many of them.
bool isAsciiFile(std::string_view bytes)
{
    const Shares shares = sharesOf(bytes.size(), 8u << 20);
    std::vector<char> ascii(shares.count, 0);
    runTogether(shares.count, [&](std::size_t part) {
        ascii[part] = isAscii(bytes.substr(shares.start(part), shares.start(part + 1) - shares.start(part)));
    });
    return std::find(ascii.begin(), ascii.end(), 0) == ascii.end();
}

} // namespace

void LogTable::adoptBuffer(LargeBuffer buffer)
{
    m_onlyAscii = m_onlyAscii && isAsciiFile({ buffer.data(), buffer.size() });
    m_arena.adopt(std::move(buffer));
    m_compactedSize = std::max(m_compactedSize, m_arena.bytesHandedOut());
}

std::optional<Colour> LogTable::backgroundColour(int row, int column) const
{
    if (!contains(row, column))
        return std::nullopt;
    const std::uint32_t *colours = m_rows[static_cast<std::size_t>(row)].colours;
    const std::uint32_t colour = colours != nullptr ? colours[column] : 0u;
    if ((colour & colourPresent) == 0)
        return std::nullopt;
    return colour & 0xFFFFFFu;
}

bool LogTable::setBackgroundColour(int row, int column, std::optional<Colour> colour)
{
    if (!contains(row, column))
        return false;
    Row &r = m_rows[static_cast<std::size_t>(row)];
    if (r.colours == nullptr) {
        if (!colour)
            return true;
        r.colours = m_arena.allocate<std::uint32_t>(static_cast<std::size_t>(m_capacity));
        if (r.colours == nullptr)
            return false;
    }
    r.colours[column] = colour ? ((*colour & 0xFFFFFFu) | colourPresent) : 0u;
    return true;
}

int LogTable::itemData(int row, int column) const
{
    if (!contains(row, column))
        return 0;
    const Row &r = m_rows[static_cast<std::size_t>(row)];
    return r.itemData ? r.itemData[column] : 0;
}

bool LogTable::setItemData(int row, int column, int data)
{
    if (!contains(row, column))
        return false;
    Row &r = m_rows[static_cast<std::size_t>(row)];
    if (r.itemData == nullptr) {
        r.itemData = m_arena.allocate<std::int32_t>(static_cast<std::size_t>(m_capacity));
        if (r.itemData == nullptr)
            return false;
    }
    r.itemData[column] = data;
    return true;
}

int LogTable::insertColumn(std::string_view heading, int position)
{
    if (position == -1)
        position = m_columns;
    if (position < m_fixedColumns || position > m_columns)
        return -1;
    if (m_rows.empty() && !setRowCount(1))
        return -1;
    if (!reserveColumns(m_columns + 1))
        return -1;
    for (Row &row : m_rows) {
        shift(row.cells, position, position + 1, m_columns - position);
        zero(row.cells, position, position + 1);
        forEachSideArray(row, [&](auto *items) {
            shift(items, position, position + 1, m_columns - position);
            zero(items, position, position + 1);
        });
    }
    ++m_columns;
    if (m_lastSortColumn >= position)
        ++m_lastSortColumn;
    clearSelection();
    setText(0, position, heading);
    maybeCompact();
    return position;
}

int LogTable::insertRow(std::string_view heading, int position)
{
    if (position == -1)
        position = rowCount();
    else if (position <= 0 || position >= rowCount())
        return -1;
    Row row;
    if (!makeRow(row))
        return -1;
    m_rows.insert(m_rows.begin() + position, row);
    clearSelection();
    setText(position, 0, heading);
    return position;
}

bool LogTable::deleteColumn(int column)
{
    if (column < 0 || column >= m_columns)
        return false;
    for (Row &row : m_rows) {
        shift(row.cells, column + 1, column, m_columns - column - 1);
        forEachSideArray(row, [&](auto *items) { shift(items, column + 1, column, m_columns - column - 1); });
    }
    --m_columns;
    if (column < m_fixedColumns)
        --m_fixedColumns;
    if (m_lastSortColumn == column)
        m_lastSortColumn = -1;
    else if (m_lastSortColumn > column)
        --m_lastSortColumn;
    clearSelection();
    return true;
}

bool LogTable::deleteRow(int row)
{
    if (row < 0 || row >= rowCount())
        return false;
    m_rows.erase(m_rows.begin() + row);
    if (row < m_fixedRows)
        --m_fixedRows;
    clearSelection();
    return true;
}

void LogTable::deleteAllQsoRows()
{
    if (rowCount() > 1)
        setRowCount(1);
}

std::vector<int> LogTable::filledCellCounts() const
{
    // Row by row: the cells of a row lie together, those of a column do not.
    std::vector<int> counts(static_cast<std::size_t>(m_columns), 0);
    for (std::size_t row = 1; row < m_rows.size(); ++row) {
        const Cell *cells = m_rows[row].cells;
        for (int column = 0; column < m_columns; ++column)
            counts[static_cast<std::size_t>(column)] += cells[column].size != 0 ? 1 : 0;
    }
    return counts;
}

int LogTable::findColumn(std::string_view name) const
{
    for (int column = 0; column < m_columns; ++column) {
        if (text(0, column) == name)
            return column;
    }
    return -1;
}

void LogTable::numberRows()
{
    if (m_columns == 0)
        return;
    for (int row = 1; row < rowCount(); ++row)
        setText(row, 0, std::to_string(row));
}

bool LogTable::addRowNumbers()
{
    if (m_fixedColumns == 0) {
        if (insertColumn("#", 0) != 0)
            return false;
        setFixedColumnCount(1);
    }
    numberRows();
    return true;
}

SortComparison LogTable::comparisonForHeader(std::string_view header)
{
    static constexpr std::string_view numericFields
        = " age a_index ant_az ant_el cqz distance freq freq_rx ituz k_index max_bursts my_cq_zone "
          "my_itu_zone nr_bursts nr_pings rx_pwr sfi srx stx ten_ten tx_pwr ";
    const std::string h = toLower(header);
    if ((!h.empty() && numericFields.find(h) != std::string_view::npos) || h.find("rst") != std::string::npos
        || h.find("zone") != std::string::npos || h == "#")
        return SortComparison::Numeric;
    if (h.find("date") != std::string::npos)
        return SortComparison::Date;
    return SortComparison::Text;
}

template <typename Key, typename Less> std::vector<int> LogTable::sortRows(Key keyOf, Less less)
{
    using KeyType = decltype(keyOf(0));
    std::vector<std::pair<KeyType, int>> items;
    items.reserve(m_rows.size());
    for (int row = 1; row < rowCount(); ++row)
        items.emplace_back(keyOf(row), row);
    // A stable merge sort: the date comparison treats short texts as equal to everything, which is no
    // strict weak order, and only a merge sort stays within bounds with such a comparison.
    std::stable_sort(
        items.begin(), items.end(), [&](const auto &a, const auto &b) { return less(a.first, b.first); });
    std::vector<int> order(m_rows.size(), 0);
    for (std::size_t i = 0; i < items.size(); ++i)
        order[i + 1] = items[i].second;
    reorderRows(order);
    return order;
}

bool LogTable::reorderRows(const std::vector<int> &order)
{
    if (order.size() != m_rows.size() || (!order.empty() && order[0] != 0))
        return false;
    std::vector<bool> seen(order.size(), false);
    for (const int row : order) {
        if (row < 0 || row >= rowCount() || seen[static_cast<std::size_t>(row)])
            return false;
        seen[static_cast<std::size_t>(row)] = true;
    }
    std::vector<Row> rows(m_rows.size());
    for (std::size_t i = 0; i < order.size(); ++i)
        rows[i] = m_rows[static_cast<std::size_t>(order[i])];
    m_rows = std::move(rows);
    clearSelection();
    return true;
}

void LogTable::setLastSort(int column, bool ascending)
{
    m_lastSortColumn = column;
    m_lastSortAscending = ascending;
}

namespace
{

struct DateKey {
    std::optional<long> value; // nothing for a text too short to hold a date
};

bool dateLess(const DateKey &a, const DateKey &b, bool ascending)
{
    if (!a.value || !b.value)
        return false;
    return ascending ? *a.value < *b.value : *b.value < *a.value;
}

double numericKey(std::string_view text)
{
    std::string copy(text.substr(0, 64));
    std::replace(copy.begin(), copy.end(), ',', '.');
    return leadingNumber(copy);
}

} // namespace

std::vector<int> LogTable::sortByColumn(int column, bool ascending)
{
    if (column < 0 || column >= m_columns)
        return {};
    if (column != m_lastSortColumn)
        ascending = true;
    m_lastSortColumn = column;
    m_lastSortAscending = ascending;
    switch (comparisonForHeader(text(0, column))) {
    case SortComparison::Numeric:
        return sortRows([&](int row) { return numericKey(text(row, column)); },
            [ascending](double a, double b) { return ascending ? a < b : b < a; });
    case SortComparison::Date:
        return sortRows([&](int row) { return DateKey { dayNumberOfLeadingDate(text(row, column)) }; },
            [ascending](const DateKey &a, const DateKey &b) { return dateLess(a, b, ascending); });
    case SortComparison::Text:
        return sortRows([&](int row) { return text(row, column); },
            [ascending](std::string_view a, std::string_view b) { return ascending ? a < b : b < a; });
    }
    return {};
}

std::vector<int> LogTable::sortChronologically(int column, bool ascending)
{
    if (column < 0 || column >= m_columns)
        return {};
    m_lastSortColumn = column;
    m_lastSortAscending = ascending;
    return sortRows(
        [&](int row) {
            std::optional<long> day = dayNumberOfLeadingDate(text(row, column));
            if (day)
                *day = *day * 1440 + itemData(row, column);
            return DateKey { day };
        },
        [ascending](const DateKey &a, const DateKey &b) { return dateLess(a, b, ascending); });
}

void LogTable::setSelection(std::vector<CellRange> ranges)
{
    std::erase_if(ranges, [](const CellRange &range) { return !range.isValid(); });
    m_selection = std::move(ranges);
    m_selectionBounds = {};
    for (const CellRange &range : m_selection) {
        if (!m_selectionBounds.isValid()) {
            m_selectionBounds = range;
            continue;
        }
        m_selectionBounds.firstRow = std::min(m_selectionBounds.firstRow, range.firstRow);
        m_selectionBounds.firstColumn = std::min(m_selectionBounds.firstColumn, range.firstColumn);
        m_selectionBounds.lastRow = std::max(m_selectionBounds.lastRow, range.lastRow);
        m_selectionBounds.lastColumn = std::max(m_selectionBounds.lastColumn, range.lastColumn);
    }
}

void LogTable::clearSelection()
{
    m_selection.clear();
    m_selectionBounds = {};
}

bool LogTable::isSelected(int row, int column) const
{
    return std::any_of(m_selection.begin(), m_selection.end(),
        [&](const CellRange &range) { return range.contains(row, column); });
}

bool LogTable::rowHasSelectedCell(int row, int firstColumn, int lastColumn) const
{
    return std::any_of(m_selection.begin(), m_selection.end(), [&](const CellRange &range) {
        return row >= range.firstRow && row <= range.lastRow && range.firstColumn <= lastColumn
            && range.lastColumn >= firstColumn;
    });
}

void LogTable::maybeCompact()
{
    if (m_arena.bytesHandedOut() > 2 * m_compactedSize + compactSlack)
        compact();
}

void LogTable::compact()
{
    Arena fresh;
    std::vector<Row> rows;
    rows.reserve(m_rows.size());
    const auto capacity = static_cast<std::size_t>(m_columns);
    for (const Row &row : m_rows) {
        Row copy;
        if (capacity != 0) {
            copy.cells = fresh.allocate<Cell>(capacity);
            if (copy.cells == nullptr)
                return; // out of memory: keep the old storage, which is still whole
            for (std::size_t column = 0; column < capacity; ++column) {
                const Cell &old = row.cells[column];
                const std::string_view stored = fresh.store({ old.data, old.size });
                if (stored.data() == nullptr && old.size != 0)
                    return;
                copy.cells[column] = Cell { stored.data(), old.size };
            }
            copy.itemData = row.itemData;
            copy.colours = row.colours;
            bool moved = true;
            forEachSideArray(copy, [&](auto *&items) {
                moved = moved
                    && moveToLarger(fresh, items, static_cast<int>(capacity), static_cast<int>(capacity));
            });
            if (!moved)
                return;
        }
        rows.push_back(copy);
    }
    m_rows = std::move(rows);
    m_arena = std::move(fresh);
    m_capacity = m_columns;
    m_compactedSize = m_arena.bytesHandedOut();
}

} // namespace quillog
