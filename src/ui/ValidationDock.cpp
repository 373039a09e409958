// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ValidationDock.h"

#include <QHeaderView>
#include <QLabel>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>

namespace quillog::ui
{

void FindingsModel::setLines(std::vector<FindingLine> lines)
{
    beginResetModel();
    m_lines = std::move(lines);
    endResetModel();
}

int FindingsModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(m_lines.size());
}

int FindingsModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant FindingsModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return {};
    const FindingLine &shown = line(index.row());
    switch (index.column()) {
    case RowColumn:
        return shown.finding.row;
    case FieldColumn:
        return QString::fromStdString(shown.finding.field);
    case ValueColumn:
        return shown.value;
    case SeverityColumn:
        return QString::fromLatin1(severityName(shown.finding.severity).data(),
            static_cast<qsizetype>(severityName(shown.finding.severity).size()));
    default:
        return QString::fromStdString(shown.finding.message);
    }
}

QVariant FindingsModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const titles[] = { "Row", "Field", "Value", "Severity", "Message" };
    return section >= 0 && section < ColumnCount ? QString::fromLatin1(titles[section]) : QVariant();
}

ValidationDock::ValidationDock(QWidget *parent)
    : QDockWidget(QStringLiteral("Validation"), parent)
{
    setObjectName(QStringLiteral("ValidationDock"));
    auto *content = new QWidget(this);
    auto *layout = new QVBoxLayout(content);
    layout->setContentsMargins(4, 4, 4, 4);
    m_summary = new QLabel(content);
    m_model = new FindingsModel(this);
    m_sorted = new QSortFilterProxyModel(this);
    m_sorted->setSourceModel(m_model);
    m_view = new QTableView(content);
    m_view->setModel(m_sorted);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(FindingsModel::RowColumn, Qt::AscendingOrder);
    m_view->verticalHeader()->hide();
    m_view->verticalHeader()->setDefaultSectionSize(m_view->fontMetrics().height() + 6);
    m_view->horizontalHeader()->setStretchLastSection(true);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setWordWrap(false);
    layout->addWidget(m_summary);
    layout->addWidget(m_view);
    setWidget(content);
    connect(m_view, &QTableView::doubleClicked, this, [this](const QModelIndex &index) {
        const Finding &finding = findingAt(index.row());
        Q_EMIT findingChosen(finding.row, finding.column);
    });
}

void ValidationDock::showFindings(std::vector<FindingLine> lines, const QString &summary)
{
    m_summary->setText(summary);
    m_model->setLines(std::move(lines));
    for (int column = 0; column < FindingsModel::MessageColumn; ++column)
        m_view->resizeColumnToContents(column);
}

QString ValidationDock::summary() const
{
    return m_summary->text();
}

const Finding &ValidationDock::findingAt(int viewRow) const
{
    return m_model->line(m_sorted->mapToSource(m_sorted->index(viewRow, 0)).row()).finding;
}

} // namespace quillog::ui
