// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/ManualQso.h"

#include "core/Text.h"

#include <cstdio>

namespace quillog
{

namespace
{

void appendField(std::string &out, std::string_view name, std::string_view value)
{
    out += '<';
    out += name;
    out += ':';
    out += std::to_string(value.size());
    out += '>';
    out += value;
    out += ' ';
}

std::string recordTime(std::string_view time)
{
    std::string text(time);
    if (text.size() < 4)
        text.insert(0, 4 - text.size(), '0');
    else if (text.size() == 5)
        text.resize(4);
    else if (text.size() > 6)
        text.resize(6);
    return text;
}

ManualQsoField firstMissing(const ManualQso &qso)
{
    const std::pair<const std::string *, ManualQsoField> required[] = { { &qso.call, ManualQsoField::Call },
        { &qso.date, ManualQsoField::Date }, { &qso.timeOff, ManualQsoField::TimeOff },
        { &qso.band, ManualQsoField::Band }, { &qso.mode, ManualQsoField::Mode },
        { &qso.rstSent, ManualQsoField::RstSent }, { &qso.rstRcvd, ManualQsoField::RstRcvd } };
    for (const auto &[value, field] : required) {
        if (trimmed(*value).empty())
            return field;
    }
    return ManualQsoField::None;
}

} // namespace

std::string manualGridsquare(std::string_view typed)
{
    const std::string_view grid = trimmed(typed);
    if (grid.size() < 4)
        return {};
    std::string text = toUpper(grid.substr(0, 4));
    if (grid.size() > 4)
        text += toLower(grid.substr(4, 2));
    return text;
}

ManualQsoRecord manualQsoRecord(const ManualQso &qso)
{
    ManualQsoRecord record;
    record.missing = firstMissing(qso);
    if (record.missing != ManualQsoField::None)
        return record;
    std::string &out = record.text;
    appendField(out, "CALL", toUpper(trimmed(qso.call)));
    appendField(out, "QSO_DATE", trimmed(qso.date));
    const std::string time = recordTime(trimmed(qso.timeOff));
    appendField(out, "TIME_OFF", time);
    if (qso.addTimeOn)
        appendField(out, "TIME_ON", time);
    appendField(out, "BAND", trimmed(qso.band));
    const std::string_view mode = trimmed(qso.mode);
    if (const std::size_t equals = mode.find('='); equals == std::string_view::npos) {
        appendField(out, "MODE", mode);
    } else {
        appendField(out, "MODE", mode.substr(equals + 1));
        appendField(out, "SUBMODE", mode.substr(0, equals));
    }
    appendField(out, "RST_SENT", trimmed(qso.rstSent));
    appendField(out, "RST_RCVD", trimmed(qso.rstRcvd));
    if (!trimmed(qso.name).empty())
        appendField(out, "NAME", trimmed(qso.name));
    if (!trimmed(qso.qth).empty())
        appendField(out, "QTH", trimmed(qso.qth));
    if (const std::string grid = manualGridsquare(qso.gridsquare); !grid.empty())
        appendField(out, "GRIDSQUARE", grid);
    return record;
}

std::string completedTimeOff(std::string_view typed, std::time_t now)
{
    std::string time(trimmed(typed));
    if (time.empty())
        return time;
    if (time[0] >= '3' && time[0] <= '9')
        time.insert(0, 1, '0');
    if (time.size() >= 4)
        return time;
    std::tm utc {};
    gmtime_r(&now, &utc);
    char text[8];
    std::snprintf(text, sizeof text, "%02d%02d", utc.tm_hour % 100, utc.tm_min % 100);
    return text;
}

std::string utcDate(std::time_t now)
{
    std::tm utc {};
    gmtime_r(&now, &utc);
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d%02d", (utc.tm_year + 1900) % 10000, (utc.tm_mon + 1) % 100,
        utc.tm_mday % 100);
    return text;
}

} // namespace quillog
