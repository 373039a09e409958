// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CabrilloColumns.h"

#include "core/LogTable.h"
#include "core/Text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

namespace quillog
{

namespace
{

constexpr std::string_view genericExchange = "RST_SENT;STX_STRING;CALL;RST_RCVD;SRX_STRING";
constexpr std::string_view sweepstakesExchange
    = "MY_CALL;STX;STX_STRING;STX_STRING;STX_STRING;CALL;SRX;SRX_STRING;SRX_STRING;SRX_STRING";

std::string_view itemName(std::string_view item)
{
    return trimmed(item.substr(0, item.find_first_of(":(")));
}

bool holdsReport(const LogTable &table, int column)
{
    const int probeEnd = std::min(table.rowCount(), 5);
    for (int row = 1; row < probeEnd; ++row) {
        const std::string_view text = table.text(row, column);
        if (text == "599" || text == "59")
            return true;
    }
    return false;
}

// The report that a sent or received exchange item may follow, or empty for items without one.
std::string_view reportBefore(std::string_view name)
{
    if (name == "STX" || name == "MY_GRIDSQUARE" || name == "MY_NAME")
        return "RST_SENT";
    if (name == "SRX" || name == "GRIDSQUARE" || name == "NAME")
        return "RST_RCVD";
    return {};
}

void fixDate(LogTable &table, int row, int column)
{
    const std::string_view date = trimmed(table.text(row, column));
    if (date.size() >= 10) {
        const std::string compact
            = std::string(date.substr(0, 4)).append(date.substr(5, 2)).append(date.substr(8, 2));
        table.setText(row, column, compact);
    }
}

struct KhzRange {
    long long low, high;
};
constexpr std::array<KhzRange, 12> convertedRanges { { { 1800, 2100 }, { 3500, 4000 }, { 5200, 5500 },
    { 7000, 7300 }, { 10000, 10150 }, { 14000, 14350 }, { 18000, 18168 }, { 21000, 21450 }, { 24000, 24990 },
    { 28000, 29700 }, { 50000, 54000 }, { 70000, 71000 } } };

} // namespace

std::vector<std::string> cabrilloExchangeNames(
    std::string_view contest, const std::vector<ContestTemplate> &templates)
{
    std::string_view list = genericExchange;
    const auto found = std::find_if(
        templates.begin(), templates.end(), [&](const ContestTemplate &t) { return t.name == contest; });
    if (found != templates.end())
        list = found->fields;
    if (contest == "ARRL-SS-SSB" || contest == "ARRL-SS-CW")
        list = sweepstakesExchange;

    std::vector<std::string> names;
    for (std::size_t start = 0; start <= list.size();) {
        const std::size_t end = std::min(list.find(';', start), list.size());
        names.emplace_back(itemName(list.substr(start, end - start)));
        start = end + 1;
    }
    if (list.find(';') != std::string_view::npos && list.find("MY_CALL") != std::string_view::npos)
        names.erase(names.begin());
    return names;
}

void nameCabrilloColumns(LogTable &table, const std::vector<std::string> &exchange)
{
    int column = 0;
    for (const char *name : { "FREQ", "MODE", "QSO_DATE", "TIME_ON", "OPERATOR" })
        table.setText(0, column++, name);
    for (const std::string &name : exchange) {
        if (name.empty() || column >= table.columnCount())
            continue;
        const bool report = holdsReport(table, column);
        if (name == "RST_SENT" || name == "RST_RCVD") {
            if (report)
                table.setText(0, column++, name);
            continue;
        }
        if (const std::string_view reportName = reportBefore(name); !reportName.empty() && report)
            table.setText(0, column++, reportName);
        table.setText(0, column++, name);
    }
}

std::string cabrilloFrequency(std::string_view cell, bool decimalComma)
{
    if (cell.size() <= 3)
        return std::string(cell);
    const long long khz = leadingInteger(cell);
    const bool converted = std::any_of(convertedRanges.begin(), convertedRanges.end(),
        [&](const KhzRange &range) { return khz >= range.low && khz <= range.high; });
    if (!converted)
        return std::string(cell);
    // A decimal comma in the cell ("14025,5") is a fraction of a kHz as well.
    std::string number(trimmed(cell));
    if (const std::size_t comma = number.find(','); comma != std::string::npos)
        number[comma] = '.';
    number.resize(std::min(number.size(), number.find_first_not_of("+-.0123456789")));
    std::array<char, 64> buffer {};
    std::snprintf(buffer.data(), buffer.size(), "%1.6f", leadingNumber(number) / 1000.0);
    std::string mhz(buffer.data());
    while (mhz.size() - mhz.find('.') > 4 && mhz.back() == '0')
        mhz.pop_back();
    if (decimalComma)
        std::replace(mhz.begin(), mhz.end(), '.', ',');
    return mhz;
}

void fixCabrilloValues(LogTable &table, bool decimalComma)
{
    for (int column = 0; column < table.columnCount(); ++column) {
        const std::string_view header = table.text(0, column);
        for (int row = 1; row < table.rowCount(); ++row) {
            if (header == "FREQ")
                table.setText(row, column, cabrilloFrequency(table.text(row, column), decimalComma));
            else if (header == "MODE" && toUpper(trimmed(table.text(row, column))) == "PH")
                table.setText(row, column, "SSB");
            else if (header == "QSO_DATE")
                fixDate(table, row, column);
        }
    }
}

} // namespace quillog
