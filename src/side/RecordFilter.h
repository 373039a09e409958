// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "side/FilterSettings.h"

#include <functional>
#include <string>
#include <vector>

namespace quillog
{

class LogTable;

/// The tests of a filtered open. Each test belongs to a field and is applied to the column of that
/// field, so a filter on a field the log does not carry lets every record through, while a record
/// that lacks a field other records carry is tested with an empty value.
class RecordFilter
{
public:
    explicit RecordFilter(const FilterSettings &settings);

    /// True when the row's record passes every test that is switched on.
    bool keeps(const LogTable &table, int row) const;

    /// The filter as a reader's per-record test. The reader calls it on its worker thread, for one
    /// table; it finds the columns of the tests at its first call.
    std::function<bool(const LogTable &, int)> recordTest() const;

private:
    enum class Test { None, Date, Band, Mode, Submode, Continent, Zone, Operator, Call, QslSent, QslRcvd };

    Test testOf(std::string_view header) const;
    bool passes(Test test, std::string_view value) const;
    bool datePasses(std::string_view value) const;

    FilterSettings m_settings;
    std::string m_bands, m_modes, m_submodes, m_continents, m_operator, m_callsign; // upper case
};

/// What a QSL state filter keeps: states "N" keeps N and blank, "Y" keeps Y, both or neither keep all.
bool qslStatePasses(std::string_view states, std::string_view value);

/// The submode names of a stored submodes value: ";FSK31=PSK;" gives ";FSK31;", upper case.
std::string submodeNames(std::string_view value);

} // namespace quillog
