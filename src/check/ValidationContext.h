// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/AdifValueTypes.h"
#include "check/Finding.h"

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillog
{

class AdifEnumeration;
class AdifCatalogue;
class LogTable;
struct AdifField;

/// How one column of the log is validated.
struct ColumnRule {
    int column = -1;
    const AdifField *field = nullptr;
    AdifType type = AdifType::Other;
    const AdifEnumeration *enumeration = nullptr;
    /// For an enumeration that depends on another field (STATE on DXCC, SUBMODE on MODE): that field.
    std::string scopeField;
    /// A value missing from the enumeration is only a warning: the field is text that ADIF suggests
    /// values for (SUBMODE, CONTEST_ID), not an enumeration.
    bool openEnumeration = false;
};

/// The log's columns as the validator sees them: one rule per column of an ADIF field, and the
/// rightmost column of each field name for the tests between fields.
class ValidationColumns
{
public:
    ValidationColumns(const LogTable &table, const AdifCatalogue &catalogue);

    const std::vector<ColumnRule> &rules() const { return m_rules; }
    /// The rightmost column with the field name (upper case); -1 when there is none.
    int column(std::string_view name) const;

private:
    std::vector<ColumnRule> m_rules;
    std::unordered_map<std::string, int> m_columns;
};

/// One QSO row while it is validated: its values and the findings made on it.
class RowFindings
{
public:
    RowFindings(const LogTable &table, const ValidationColumns &columns, int row, std::vector<Finding> &out);

    /// The trimmed value of the cell; empty for column -1.
    std::string_view value(int column) const;
    /// The trimmed value of the rightmost column of the field; empty when the log has none.
    std::string_view value(std::string_view field) const;
    int column(std::string_view field) const { return m_columns.column(field); }
    bool hasFinding(int column) const;
    void add(int column, std::string_view field, Severity severity, std::string message);
    void add(std::string_view field, Severity severity, std::string message);

private:
    const LogTable &m_table;
    const ValidationColumns &m_columns;
    int m_row;
    std::vector<Finding> &m_out;
    std::size_t m_first;
};

/// "FIELD value" as messages start.
std::string fieldAndValue(std::string_view field, std::string_view value);
/// A number as ADIF writes it: up to six decimals, without trailing zeros.
std::string formatNumber(double value);

} // namespace quillog
