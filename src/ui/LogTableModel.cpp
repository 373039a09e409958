// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/LogTableModel.h"

#include "core/LogTable.h"
#include "core/UndoJournal.h"

#include <QColor>

namespace quillog::ui
{

QColor toQColor(Colour colour)
{
    return QColor(colourRed(colour), colourGreen(colour), colourBlue(colour));
}

Colour fromQColor(const QColor &colour)
{
    return makeColour(colour.red(), colour.green(), colour.blue());
}

LogTableModel::LogTableModel(LogTable &table, UndoJournal &journal, QObject *parent)
    : QAbstractTableModel(parent)
    , m_table(table)
    , m_journal(journal)
{
    m_encoding = detectEncoding(m_table);
}

int LogTableModel::tableColumn(int modelColumn) const
{
    return modelColumn + m_table.fixedColumnCount();
}

int LogTableModel::modelColumn(int tableColumn) const
{
    return tableColumn - m_table.fixedColumnCount();
}

int LogTableModel::tableRows() const
{
    return std::max(0, m_table.rowCount() - 1);
}

int LogTableModel::tableColumns() const
{
    return std::max(0, m_table.columnCount() - m_table.fixedColumnCount());
}

int LogTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_frozen ? m_frozenRows : tableRows();
}

int LogTableModel::columnCount(const QModelIndex &parent) const
{
    if (parent.isValid())
        return 0;
    return m_frozen ? m_frozenColumns : tableColumns();
}

QVariant LogTableModel::data(const QModelIndex &index, int role) const
{
    if (m_frozen || !index.isValid())
        return {};
    const int row = tableRow(index.row());
    const int column = tableColumn(index.column());
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return decodeCell(m_table.text(row, column), m_encoding);
    case Qt::BackgroundRole:
        return toQColor(m_table.backgroundColour(row, column).value_or(m_appearance.backColour));
    case Qt::ForegroundRole:
        return toQColor(m_appearance.textColour);
    case Qt::FontRole:
        return m_font;
    case Qt::ToolTipRole: {
        const auto tip = m_toolTips.find({ row, column });
        if (tip == m_toolTips.end() || tip->second.text != m_table.text(row, column))
            return {};
        return tip->second.message;
    }
    default:
        return {};
    }
}

bool LogTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (m_frozen || !index.isValid() || role != Qt::EditRole)
        return false;
    const int row = tableRow(index.row());
    const int column = tableColumn(index.column());
    const std::string text = encodeCell(value.toString(), m_encoding);
    const std::string_view old = m_table.text(row, column);
    if (old == text)
        return false;
    UndoRecord record;
    record.kind = UndoKind::CellChange;
    record.row = row;
    record.column = column;
    record.text = std::string(old);
    m_journal.addRecord(std::move(record));
    if (!m_table.setText(row, column, text))
        return false;
    Q_EMIT dataChanged(index, index, { Qt::DisplayRole, Qt::EditRole });
    return true;
}

QVariant LogTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (m_frozen)
        return {};
    if (role == Qt::FontRole)
        return m_font;
    if (role != Qt::DisplayRole)
        return {};
    if (orientation == Qt::Horizontal)
        return decodeCell(m_table.text(0, tableColumn(section)), m_encoding);
    if (m_table.fixedColumnCount() > 0)
        return decodeCell(m_table.text(tableRow(section), 0), m_encoding);
    return section + 1;
}

Qt::ItemFlags LogTableModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}

void LogTableModel::freeze()
{
    if (m_frozen)
        return;
    // The view keeps the shape it knows (and with it widths, scroll position, current cell and
    // selection); only the cells go blank until the worker is done.
    m_frozenRows = tableRows();
    m_frozenColumns = tableColumns();
    m_frozen = true;
}

void LogTableModel::thaw()
{
    if (!m_frozen)
        return;
    const int rows = tableRows();
    const int columns = tableColumns();
    if (rows < m_frozenRows || columns < m_frozenColumns) {
        beginResetModel();
        m_frozen = false;
        m_encoding = detectEncoding(m_table);
        endResetModel();
        return;
    }
    // A worker that added rows or columns (a merge) added them at the end.
    if (columns > m_frozenColumns) {
        beginInsertColumns({}, m_frozenColumns, columns - 1);
        m_frozenColumns = columns;
        endInsertColumns();
    }
    if (rows > m_frozenRows) {
        beginInsertRows({}, m_frozenRows, rows - 1);
        m_frozenRows = rows;
        endInsertRows();
    }
    m_frozen = false;
    refreshCells();
}

void LogTableModel::reset()
{
    beginResetModel();
    if (!m_frozen)
        m_encoding = detectEncoding(m_table);
    endResetModel();
}

void LogTableModel::refreshCells()
{
    if (rowCount() == 0 || columnCount() == 0)
        return;
    Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
    Q_EMIT headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
    Q_EMIT headerDataChanged(Qt::Vertical, 0, rowCount() - 1);
}

void LogTableModel::setAppearance(const GridAppearance &appearance, const QFont &font)
{
    m_appearance = appearance;
    m_font = font;
    refreshCells();
}

} // namespace quillog::ui
