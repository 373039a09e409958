// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/Finding.h"

#include <QAbstractTableModel>
#include <QDockWidget>
#include <vector>

class QLabel;
class QSortFilterProxyModel;
class QTableView;

namespace quillog::ui
{

/// One finding as the results list shows it.
struct FindingLine {
    Finding finding;
    QString value; ///< the cell's text, decoded
};

/// The findings as a table: row, field, value, severity, message.
class FindingsModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column { RowColumn, FieldColumn, ValueColumn, SeverityColumn, MessageColumn, ColumnCount };

    using QAbstractTableModel::QAbstractTableModel;
    void setLines(std::vector<FindingLine> lines);
    const FindingLine &line(int row) const { return m_lines[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    std::vector<FindingLine> m_lines;
};

/// The dockable list of the validator's findings, sortable by any column; a double click asks to go to
/// the finding's cell.
class ValidationDock : public QDockWidget
{
    Q_OBJECT

public:
    explicit ValidationDock(QWidget *parent = nullptr);

    void showFindings(std::vector<FindingLine> lines, const QString &summary);
    QString summary() const;
    QTableView &view() { return *m_view; }
    FindingsModel &findings() { return *m_model; }
    /// The finding shown on a line of the (sorted) list.
    const Finding &findingAt(int viewRow) const;

Q_SIGNALS:
    /// Table row and column of the finding chosen; column -1 when the log has no column for its field.
    void findingChosen(int row, int column);

private:
    QLabel *m_summary = nullptr;
    QTableView *m_view = nullptr;
    FindingsModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
};

} // namespace quillog::ui
