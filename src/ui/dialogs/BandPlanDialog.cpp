// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/BandPlanDialog.h"

#include "ui/GridDelegate.h"
#include "ui/GridFont.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace quillog::ui
{

namespace
{

QTableWidgetItem *cellItem(const std::string &text, bool editable)
{
    auto *item = new QTableWidgetItem(QString::fromStdString(text));
    if (!editable)
        item->setFlags(item->flags() & ~Qt::ItemIsEditable);
    return item;
}

} // namespace

BandPlanDialog::BandPlanDialog(std::string dataFolder, const GridAppearance &appearance, QWidget *parent)
    : QDialog(parent)
    , m_editor(std::move(dataFolder))
    , m_grid(new QTableWidget(this))
{
    setWindowTitle(QStringLiteral("Band to Frequency Plan"));
    auto *note = new QLabel(QStringLiteral("This list maps band and mode to the frequency that the "
                                           "\"Make <FREQ> from <BAND>\" tool writes.\nClick a frequency "
                                           "to edit it."),
        this);
    note->setTextFormat(Qt::PlainText);
    m_grid->setColumnCount(3);
    m_grid->setHorizontalHeaderLabels(
        { QStringLiteral("Band"), QStringLiteral("Mode"), QStringLiteral("Frequency (MHz)") });
    m_grid->verticalHeader()->hide();
    m_grid->horizontalHeader()->setStretchLastSection(true);
    applyGridAppearance(*m_grid, appearance, gridFont(appearance.fontDescription));

    auto *buttons = new QDialogButtonBox(this);
    QPushButton *defaults = buttons->addButton(QStringLiteral("Default"), QDialogButtonBox::ResetRole);
    buttons->addButton(QDialogButtonBox::Ok);
    buttons->addButton(QDialogButtonBox::Cancel);
    connect(defaults, &QPushButton::clicked, this, &BandPlanDialog::restoreDefault);
    connect(buttons, &QDialogButtonBox::accepted, this, &BandPlanDialog::acceptPlan);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(note);
    layout->addWidget(m_grid, 1);
    layout->addWidget(buttons);
    showPlan(m_editor.workingPlan());
    resize(420, 520);
}

void BandPlanDialog::showPlan(const BandPlan &plan)
{
    m_grid->setRowCount(static_cast<int>(plan.rows.size()));
    for (int row = 0; row < m_grid->rowCount(); ++row) {
        const BandPlanRow &entry = plan.rows[static_cast<std::size_t>(row)];
        m_grid->setItem(row, 0, cellItem(entry.band, false));
        m_grid->setItem(row, 1, cellItem(entry.mode, false));
        m_grid->setItem(row, 2, cellItem(entry.freq, true));
    }
    m_grid->resizeColumnsToContents();
    m_grid->resizeRowsToContents();
}

void BandPlanDialog::restoreDefault()
{
    m_editor.restoreDefault();
    showPlan(m_editor.workingPlan());
}

std::vector<BandPlanRow> BandPlanDialog::gridRows() const
{
    std::vector<BandPlanRow> rows;
    const auto textAt = [this](int row, int column) {
        const QTableWidgetItem *item = m_grid->item(row, column);
        return item ? item->text().toStdString() : std::string();
    };
    for (int row = 0; row < m_grid->rowCount(); ++row)
        rows.push_back(makeBandPlanRow(textAt(row, 0), textAt(row, 1), textAt(row, 2)));
    return rows;
}

void BandPlanDialog::acceptPlan()
{
    // A cell still being edited holds the operator's last change.
    if (QWidget *editor = m_grid->focusWidget(); editor != nullptr && editor != m_grid)
        m_grid->setFocus();
    m_okAction = m_editor.accept(gridRows());
    accept();
}

} // namespace quillog::ui
