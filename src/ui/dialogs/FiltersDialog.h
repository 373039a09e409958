// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "definitions/ValueLists.h"
#include "side/FilterSettings.h"

#include <QDialog>
#include <array>
#include <string>

class QCheckBox;
class QDateEdit;
class QLineEdit;

namespace quillog::ui
{

class QtHost;

/// "Filters": the filters of Open Filtered, shown as filters.xml holds them. The Select buttons open the
/// value choosers, which write their lists into the file at once; settings() is what OK hands on.
class FiltersDialog : public QDialog
{
    Q_OBJECT

public:
    FiltersDialog(std::string filterPath, ValueLists lists, QtHost &host, QWidget *parent = nullptr);

    FilterSettings settings() const;

private:
    void show(const FilterSettings &settings);
    void chooseValues(FilterList list);
    void chooseZones();

    std::string m_path;
    ValueLists m_lists;
    QtHost &m_host;
    QCheckBox *m_useDate, *m_useBand, *m_useMode, *m_useSubmode, *m_useZone, *m_useOperator, *m_useCall,
        *m_useQslSent, *m_useQslRcvd, *m_useContinent;
    QCheckBox *m_sentYes, *m_sentNo, *m_rcvdYes, *m_rcvdNo;
    std::array<QCheckBox *, 7> m_continents {};
    QLineEdit *m_operator, *m_callsign;
    QDateEdit *m_from, *m_to;
};

} // namespace quillog::ui
