// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/CheckColumns.h"

#include "core/LogTable.h"
#include "core/Text.h"

#include <string>

namespace quillog
{

CheckColumns findCheckColumns(const LogTable &table)
{
    CheckColumns columns;
    // The QSO's own time is TIME_ON. TIME_OFF is optional and often left empty, and fields such as
    // NEXT_QSL_POSTING_TIME or an application's *_TIME_OFF merely contain the word: they serve only in
    // a log that has nothing better.
    int timeOn = -1, timeOff = -1, anyTime = -1;
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        const std::string header = toUpper(trimmed(table.text(0, column)));
        if (header.empty())
            continue;
        if (header == "CALL")
            columns.call = column;
        else if (header == "QSO_DATE")
            columns.date = column;
        else if (header == "BAND")
            columns.band = column;
        else if (header == "FREQ")
            columns.frequency = column;
        else if (header == "MODE")
            columns.mode = column;
        else if (header == "TIME_ON")
            timeOn = column;
        else if (header == "TIME_OFF")
            timeOff = column;
        else if (header.find("TIME") != std::string::npos)
            anyTime = column;
    }
    columns.time = timeOn >= 0 ? timeOn : (timeOff >= 0 ? timeOff : anyTime);
    return columns;
}

std::string_view missingColumnMessage(const CheckColumns &columns)
{
    if (columns.call < 0)
        return "Please mark <CALL> area.";
    if (columns.mode < 0)
        return "Please mark <MODE> area.";
    if (columns.date < 0)
        return "Please mark <QSO_DATE> area.";
    if (columns.time < 0)
        return "Please mark <TIME_ON> area.";
    if (columns.frequency < 0 && columns.band < 0)
        return "Please mark <FREQ> or <BAND> area.";
    return {};
}

} // namespace quillog
