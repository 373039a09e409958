// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/Settings.h"
#include "ui/CellText.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QString>
#include <map>
#include <string>
#include <utility>

namespace quillog
{
class LogTable;
class UndoJournal;
} // namespace quillog

namespace quillog::ui
{

/// The log table as Qt sees it. Table row 0 (the field names) is the horizontal header and the fixed
/// column, when there is one, the vertical header; model cell (r, c) is table cell (r + 1, c + fixed).
/// Cells are shown in the document's encoding, and an edit records its old text in the undo journal
/// before the new text is stored.
class LogTableModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    LogTableModel(LogTable &table, UndoJournal &journal, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    /// While frozen the model never reads the table (a worker may be writing it): it keeps reporting
    /// the shape it had and shows no text. Thawing brings the view up to date without a reset when the
    /// table kept its shape or grew at its ends, so the view keeps its place.
    void freeze();
    void thaw();
    bool isFrozen() const { return m_frozen; }

    /// The table changed shape or was replaced: reread everything, including the encoding.
    void reset();
    /// Cell texts changed in place.
    void refreshCells();

    /// What the validator said about a cell, and the cell text it said it of.
    struct CellNote {
        std::string text;
        QString message;
    };
    /// Tool tips of table cells (table row, table column), as the validator's findings explain them.
    /// A note shows only while its cell still holds the text it explains: once the value is fixed, or a
    /// sort or an inserted row has moved another value there, the cell shows none.
    void setToolTips(std::map<std::pair<int, int>, CellNote> tips) { m_toolTips = std::move(tips); }
    void clearToolTips() { m_toolTips.clear(); }

    void setAppearance(const GridAppearance &appearance, const QFont &font);
    const GridAppearance &appearance() const { return m_appearance; }
    TextEncoding encoding() const { return m_encoding; }

    int tableRow(int modelRow) const { return modelRow + 1; }
    int tableColumn(int modelColumn) const;
    int modelColumn(int tableColumn) const;

private:
    int tableRows() const;
    int tableColumns() const;

    LogTable &m_table;
    UndoJournal &m_journal;
    GridAppearance m_appearance;
    QFont m_font;
    TextEncoding m_encoding = TextEncoding::Utf8;
    bool m_frozen = false;
    std::map<std::pair<int, int>, CellNote> m_toolTips;
    int m_frozenRows = 0;
    int m_frozenColumns = 0;
};

QColor toQColor(Colour colour);
Colour fromQColor(const QColor &colour);

} // namespace quillog::ui
