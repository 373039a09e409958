// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/dialogs/FiltersDialog.h"

#include "document/Host.h"
#include "ui/QtHost.h"
#include "ui/dialogs/FilterChooserDialogs.h"
#include "ui/dialogs/UpperCaseValidator.h"

#include <QCheckBox>
#include <QDate>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillog::ui
{

namespace
{

constexpr std::array<const char *, 7> continentCodes = { "AF", "AN", "AS", "EU", "NA", "OC", "SA" };

QDate dateOf(long long seconds)
{
    const auto date = localDateOf(seconds);
    return date ? QDate(date->year, date->month, date->day) : QDate::currentDate();
}

long long secondsOf(const QDate &date, bool endOfDay)
{
    return localDaySeconds(date.year(), date.month(), date.day(), endOfDay).value_or(0);
}

std::string qslStates(const QCheckBox *yes, const QCheckBox *no)
{
    std::string states;
    if (yes->isChecked())
        states.push_back('Y');
    if (no->isChecked())
        states.push_back('N');
    return states;
}

} // namespace

FiltersDialog::FiltersDialog(std::string filterPath, ValueLists lists, QtHost &host, QWidget *parent)
    : QDialog(parent)
    , m_path(std::move(filterPath))
    , m_lists(std::move(lists))
    , m_host(host)
{
    setWindowTitle(QStringLiteral("Filters"));
    const auto box = [this](const char *text) { return new QCheckBox(QString::fromUtf8(text), this); };
    m_useDate = box("Use Date Filter");
    m_useBand = box("Use Band Filter");
    m_useMode = box("Use Mode Filter");
    m_useSubmode = box("Use Submode Filter");
    m_useZone = box("Use Zone Filter");
    m_useOperator = box("Use Operator Filter");
    m_useCall = box("Use Callsign Filter");
    m_useQslSent = box("Use QSL_SENT filter:");
    m_useQslRcvd = box("Use QSL_RCVD filter:");
    m_useContinent = box("Use Continent Filter");
    m_sentYes = box("Y");
    m_sentNo = box("N or Blank");
    m_rcvdYes = box("Y");
    m_rcvdNo = box("N or Blank");
    for (std::size_t i = 0; i < continentCodes.size(); ++i)
        m_continents[i] = box(continentCodes[i]);
    m_operator = new QLineEdit(this);
    m_operator->setValidator(new UpperCaseValidator(m_operator));
    m_callsign = new QLineEdit(this);
    m_callsign->setValidator(new UpperCaseValidator(m_callsign));
    m_from = new QDateEdit(QDate::currentDate(), this);
    m_to = new QDateEdit(QDate::currentDate(), this);
    for (QDateEdit *date : { m_from, m_to }) {
        date->setCalendarPopup(true);
        date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    }

    auto *grid = new QGridLayout;
    int row = 0;
    grid->addWidget(m_useDate, row, 0);
    grid->addWidget(m_from, row, 1);
    grid->addWidget(m_to, row++, 2);
    const auto selectRow = [&](QCheckBox *use, const char *what, auto onClick) {
        auto *select = new QPushButton(QStringLiteral("Select"), this);
        select->setObjectName(QString::fromUtf8(what));
        connect(select, &QPushButton::clicked, this, onClick);
        grid->addWidget(use, row, 0);
        grid->addWidget(select, row++, 1);
    };
    selectRow(m_useBand, "selectBands", [this] { chooseValues(FilterList::Bands); });
    selectRow(m_useMode, "selectModes", [this] { chooseValues(FilterList::Modes); });
    selectRow(m_useSubmode, "selectSubmodes", [this] { chooseValues(FilterList::Submodes); });
    selectRow(m_useZone, "selectZones", [this] { chooseZones(); });
    grid->addWidget(m_useOperator, row, 0);
    grid->addWidget(m_operator, row++, 1, 1, 2);
    grid->addWidget(m_useCall, row, 0);
    grid->addWidget(m_callsign, row++, 1, 1, 2);
    grid->addWidget(m_useQslSent, row, 0);
    grid->addWidget(m_sentYes, row, 1);
    grid->addWidget(m_sentNo, row++, 2);
    grid->addWidget(m_useQslRcvd, row, 0);
    grid->addWidget(m_rcvdYes, row, 1);
    grid->addWidget(m_rcvdNo, row++, 2);
    grid->addWidget(m_useContinent, row++, 0);
    auto *continents = new QHBoxLayout;
    for (QCheckBox *continent : m_continents)
        continents->addWidget(continent);
    grid->addLayout(continents, row++, 0, 1, 3);

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addWidget(buttons);

    const FilterFile file = readFilterFile(m_path);
    if (file.exists && file.ok)
        show(file.settings);
}

void FiltersDialog::show(const FilterSettings &s)
{
    const std::pair<QCheckBox *, bool> switches[] = { { m_useDate, s.useDate }, { m_useBand, s.useBand },
        { m_useMode, s.useMode }, { m_useSubmode, s.useSubmode }, { m_useZone, s.useZone },
        { m_useOperator, s.useOperator }, { m_useCall, s.useCall }, { m_useQslSent, s.useQslSent },
        { m_useQslRcvd, s.useQslRcvd }, { m_useContinent, s.useContinent } };
    for (const auto &[box, on] : switches)
        box->setChecked(on);
    m_sentYes->setChecked(s.qslSent.find('Y') != std::string::npos);
    m_sentNo->setChecked(s.qslSent.find('N') != std::string::npos);
    m_rcvdYes->setChecked(s.qslRcvd.find('Y') != std::string::npos);
    m_rcvdNo->setChecked(s.qslRcvd.find('N') != std::string::npos);
    for (std::size_t i = 0; i < continentCodes.size(); ++i)
        m_continents[i]->setChecked(filterListHas(s.continents, continentCodes[i]));
    m_operator->setText(QString::fromStdString(s.operatorCall));
    m_callsign->setText(QString::fromStdString(s.callsign));
    m_from->setDate(dateOf(s.dateFrom));
    m_to->setDate(dateOf(s.dateTo));
}

FilterSettings FiltersDialog::settings() const
{
    FilterSettings s;
    s.useDate = m_useDate->isChecked();
    s.useBand = m_useBand->isChecked();
    s.useMode = m_useMode->isChecked();
    s.useSubmode = m_useSubmode->isChecked();
    s.useZone = m_useZone->isChecked();
    s.useOperator = m_useOperator->isChecked();
    s.useCall = m_useCall->isChecked();
    s.useQslSent = m_useQslSent->isChecked();
    s.useQslRcvd = m_useQslRcvd->isChecked();
    s.useContinent = m_useContinent->isChecked();
    s.qslSent = qslStates(m_sentYes, m_sentNo);
    s.qslRcvd = qslStates(m_rcvdYes, m_rcvdNo);
    s.continents.assign(1, ';');
    for (std::size_t i = 0; i < continentCodes.size(); ++i) {
        if (m_continents[i]->isChecked())
            s.continents.append(continentCodes[i]).push_back(';');
    }
    s.operatorCall = m_operator->text().toStdString();
    s.callsign = m_callsign->text().toStdString();
    const bool oneDay = m_from->date() == m_to->date();
    s.dateFrom = secondsOf(m_from->date(), false);
    s.dateTo = secondsOf(m_to->date(), oneDay);
    return s;
}

void FiltersDialog::chooseValues(FilterList list)
{
    const ValueListKind kind = list == FilterList::Bands ? ValueListKind::Bands
        : list == FilterList::Modes                      ? ValueListKind::Modes
                                                         : ValueListKind::Submodes;
    ValueChooserDialog chooser(list, m_lists.list(kind), m_path, m_host, this);
    chooser.exec();
}

void FiltersDialog::chooseZones()
{
    ZoneChooserDialog chooser(m_path, m_host, this);
    chooser.exec();
}

} // namespace quillog::ui
