// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/RecordFilter.h"

#include "core/LogTable.h"
#include "core/Text.h"

#include <memory>

namespace quillog
{

namespace
{

bool listHasUpper(const std::string &list, std::string_view value)
{
    return filterListHas(list, toUpper(value));
}

} // namespace

std::string submodeNames(std::string_view value)
{
    std::string names;
    while (!value.empty()) {
        const std::size_t end = value.find(';');
        const std::string_view item = value.substr(0, end);
        const std::string_view name = trimmed(item.substr(0, item.find('=')));
        if (!name.empty())
            names += (names.empty() ? ";" : "") + std::string(name) + ";";
        if (end == std::string_view::npos)
            break;
        value.remove_prefix(end + 1);
    }
    return toUpper(names);
}

bool qslStatePasses(std::string_view states, std::string_view value)
{
    if (states == "N")
        return value.empty() || equalsIgnoreCase(value, "N");
    if (states == "Y")
        return equalsIgnoreCase(value, "Y");
    return true;
}

RecordFilter::RecordFilter(const FilterSettings &settings)
    : m_settings(settings)
    , m_bands(toUpper(settings.bands.value_or("")))
    , m_modes(toUpper(settings.modes.value_or("")))
    , m_submodes(submodeNames(settings.submodes.value_or("")))
    , m_continents(settings.continents)
    , m_operator(toUpper(settings.operatorCall))
    , m_callsign(toUpper(settings.callsign))
{
}

RecordFilter::Test RecordFilter::testOf(std::string_view header) const
{
    const FilterSettings &s = m_settings;
    const std::pair<std::string_view, std::pair<bool, Test>> tests[] = {
        { "QSO_DATE", { s.useDate, Test::Date } },
        { "BAND", { s.useBand, Test::Band } },
        { "MODE", { s.useMode, Test::Mode } },
        { "SUBMODE", { s.useSubmode, Test::Submode } },
        { "CONT", { s.useContinent, Test::Continent } },
        { "CQZ", { s.useZone, Test::Zone } },
        { "OPERATOR", { s.useOperator, Test::Operator } },
        { "CALL", { s.useCall, Test::Call } },
        { "QSL_SENT", { s.useQslSent, Test::QslSent } },
        { "QSL_RCVD", { s.useQslRcvd, Test::QslRcvd } },
    };
    for (const auto &[name, test] : tests) {
        if (header == name)
            return test.first ? test.second : Test::None;
    }
    return Test::None;
}

bool RecordFilter::datePasses(std::string_view value) const
{
    if (value.size() != 8)
        return false;
    const auto day = localDaySeconds(static_cast<int>(leadingInteger(value.substr(0, 4))),
        static_cast<int>(leadingInteger(value.substr(4, 2))),
        static_cast<int>(leadingInteger(value.substr(6, 2))));
    return day && *day >= m_settings.dateFrom && *day <= m_settings.dateTo;
}

bool RecordFilter::passes(Test test, std::string_view value) const
{
    switch (test) {
    case Test::None:
        return true;
    case Test::Date:
        return datePasses(value);
    case Test::Band:
        return listHasUpper(m_bands, value);
    case Test::Mode:
        return listHasUpper(m_modes, value);
    case Test::Submode:
        return listHasUpper(m_submodes, value);
    case Test::Continent:
        return listHasUpper(m_continents, value);
    case Test::Zone:
        return filterListHas(m_settings.zones.value_or(""), value);
    case Test::Operator:
        return toUpper(value) == m_operator;
    case Test::Call:
        return toUpper(value).find(m_callsign) != std::string::npos;
    case Test::QslSent:
        return qslStatePasses(m_settings.qslSent, value);
    case Test::QslRcvd:
        return qslStatePasses(m_settings.qslRcvd, value);
    }
    return true;
}

bool RecordFilter::keeps(const LogTable &table, int row) const
{
    for (int column = 0; column < table.columnCount(); ++column) {
        const Test test = testOf(table.text(0, column));
        if (test != Test::None && !passes(test, table.text(row, column)))
            return false;
    }
    return true;
}

std::function<bool(const LogTable &, int)> RecordFilter::recordTest() const
{
    // The tests of the columns, found once: the header stays the same for the whole read.
    struct Bound {
        RecordFilter filter;
        std::vector<std::pair<int, Test>> tests;
        bool found = false;
    };
    auto bound = std::make_shared<Bound>(Bound { *this, {}, false });
    return [bound](const LogTable &table, int row) {
        if (!bound->found) {
            for (int column = 0; column < table.columnCount(); ++column) {
                const Test test = bound->filter.testOf(table.text(0, column));
                if (test != Test::None)
                    bound->tests.emplace_back(column, test);
            }
            bound->found = true;
        }
        for (const auto &[column, test] : bound->tests) {
            if (!bound->filter.passes(test, table.text(row, column)))
                return false;
        }
        return true;
    };
}

} // namespace quillog
