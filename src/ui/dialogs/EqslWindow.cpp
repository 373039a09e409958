// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/EqslWindow.h"

#include "document/Document.h"
#include "formats/SaveSettings.h"
#include "side/EqslSave.h"
#include "tools/Clipboard.h"
#include "ui/ClipboardGlue.h"
#include "ui/QtHost.h"
#include "ui/dialogs/EqslFiltersDialog.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillog::ui
{

namespace
{

constexpr const char *inboxFilter = "ADIF files (*.adi, *adif)|*.adi*|All Log files (*.*)|*.*|";

} // namespace

EqslWindow::EqslWindow(Document &document, QtHost &host, QWidget *parent)
    : QDialog(parent)
    , m_document(document)
    , m_host(host)
{
    setWindowTitle(QStringLiteral("eQSL ADIF Filters"));
    m_grid = new QTableWidget(this);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_grid, &QWidget::customContextMenuRequested, this,
        [this](const QPoint &pos) { cellMenu(this)->popup(m_grid->viewport()->mapToGlobal(pos)); });

    m_open = new QPushButton(QStringLiteral("Open eQSL ADIF"), this);
    m_save = new QPushButton(QStringLiteral("Save filtered ADIF"), this);
    m_save->setEnabled(false);
    auto *close = new QPushButton(QStringLiteral("Close"), this);
    m_count = new QLabel(this);
    connect(m_open, &QPushButton::clicked, this, &EqslWindow::openInbox);
    connect(m_save, &QPushButton::clicked, this, &EqslWindow::saveFiltered);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_open);
    buttons->addWidget(m_save);
    buttons->addWidget(m_count, 1);
    buttons->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_grid, 1);
    layout->addLayout(buttons);
    resize(900, 500);
}

void EqslWindow::openInbox()
{
    EqslFiltersDialog filters(this);
    if (filters.exec() != QDialog::Accepted)
        return;
    const auto path = m_host.chooseFileToOpen({ "Open eQSL ADIF Files", inboxFilter, "", "" });
    if (path)
        compare(*path, filters.filter());
}

void EqslWindow::compare(const std::string &inboxPath, const EqslFilter &filter)
{
    if (m_working)
        return;
    m_working = true;
    EqslComparison result;
    m_host.runWorker(WorkerSlot::Check, [&](Progress &progress) {
        result = compareEqslInboxFile(inboxPath, m_document.table(), filter, progress);
    });
    m_working = false;
    m_result = std::move(result);
    fillGrid();
    m_count->setText(QStringLiteral("QSOs: %1").arg(m_result.selected()));
    m_save->setEnabled(m_result.selected() > 0);
    if (m_result.selected() == 0)
        m_host.message(BoxKind::Warning, m_result.message);
}

void EqslWindow::fillGrid()
{
    const LogTable &records = m_result.records;
    m_encoding = detectEncoding(records);
    m_grid->clear();
    m_grid->setColumnCount(records.columnCount());
    m_grid->setRowCount(records.qsoCount());
    for (int column = 0; column < records.columnCount(); ++column) {
        m_grid->setHorizontalHeaderItem(
            column, new QTableWidgetItem(decodeCell(records.text(0, column), m_encoding)));
        for (int row = 1; row < records.rowCount(); ++row)
            m_grid->setItem(
                row - 1, column, new QTableWidgetItem(decodeCell(records.text(row, column), m_encoding)));
    }
    m_grid->resizeColumnsToContents();
}

void EqslWindow::saveFiltered()
{
    const auto path = m_host.chooseFileToSave({ "Save ADIF File", inboxFilter, "adi", "" });
    if (path)
        save(*path);
}

bool EqslWindow::save(const std::string &path)
{
    if (m_working || m_result.selected() == 0)
        return false;
    m_working = true;
    m_document.reloadDefinitions();
    SaveResult saved;
    const SaveOptions options = saveOptionsFor(m_document.settings());
    const SaveDefinitions definitions = saveDefinitionsFor(m_document.definitions());
    m_host.runWorker(WorkerSlot::Save, [&](Progress &progress) {
        saved = saveEqslSelection(path, m_result.records, options, definitions, progress);
    });
    m_working = false;
    if (!saved.ok) {
        m_host.message(BoxKind::Warning, saved.message);
        return false;
    }
    m_document.reportSave(saved, saved.frequencyWithoutSeparator);
    return true;
}

std::vector<int> EqslWindow::selectedRows() const
{
    std::vector<int> rows;
    for (const QModelIndex &index : m_grid->selectionModel()->selectedRows())
        rows.push_back(index.row() + 1);
    std::sort(rows.begin(), rows.end());
    return rows;
}

void EqslWindow::copyRows(bool asAdif)
{
    std::vector<CellRange> ranges;
    for (const int row : selectedRows())
        ranges.push_back({ row, 0, row, m_result.records.columnCount() - 1 });
    m_result.records.setSelection(std::move(ranges));
    const std::string text = asAdif
        ? copySelectedRowsAsAdif(
            m_result.records, saveOptionsFor(m_document.settings()), m_document.definitions().typeMap)
        : copySelectedRowsAsCsv(m_result.records, m_document.settings().csvSeparator);
    if (!text.empty())
        QGuiApplication::clipboard()->setMimeData(clipboardData(decodeCell(text, m_encoding), asAdif));
}

QMenu *EqslWindow::cellMenu(QWidget *parent)
{
    auto *menu = new QMenu(parent);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const std::vector<int> rows = selectedRows();
    if (rows.empty())
        return menu;
    const bool one = rows.size() == 1;
    menu->addAction(
        one ? QStringLiteral("Copy Selected Row as CSV") : QStringLiteral("Copy Selected Rows as CSV"), this,
        [this] { copyRows(false); });
    menu->addAction(
        one ? QStringLiteral("Copy Selected Row as ADIF") : QStringLiteral("Copy Selected Rows as ADIF"),
        this, [this] { copyRows(true); });
    const int logRow = one ? m_result.logRows[std::size_t(rows.front() - 1)] : -1;
    if (one) {
        QAction *find = menu->addAction(QStringLiteral("Find in the Main Window"), this,
            [this, logRow] { Q_EMIT showInMainWindow(logRow); });
        find->setEnabled(logRow > 0);
    }
    return menu;
}

} // namespace quillog::ui
