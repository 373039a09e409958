// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "side/FilterSettings.h"

#include <QDialog>
#include <string>
#include <vector>

class QCheckBox;
class QListWidget;

namespace quillog::ui
{

class QtHost;

/// "Bands", "Modes" or "Submodes": the entries of a list, those in filters.xml selected. OK writes the
/// chosen entries into filters.xml at once.
class ValueChooserDialog : public QDialog
{
    Q_OBJECT

public:
    ValueChooserDialog(FilterList list, const std::vector<std::string> &entries, std::string filterPath,
        QtHost &host, QWidget *parent = nullptr);

    QListWidget *list() const { return m_list; }
    void accept() override;

private:
    FilterList m_kind;
    std::string m_path;
    QtHost &m_host;
    QListWidget *m_list = nullptr;
};

/// "Zones": the CQ zones 1 to 40 as check boxes; OK writes the ticked ones into filters.xml.
class ZoneChooserDialog : public QDialog
{
    Q_OBJECT

public:
    ZoneChooserDialog(std::string filterPath, QtHost &host, QWidget *parent = nullptr);

    void accept() override;

private:
    std::string m_path;
    QtHost &m_host;
    std::vector<QCheckBox *> m_zones;
};

} // namespace quillog::ui
