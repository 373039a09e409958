// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/ValidationContext.h"

#include "core/LogTable.h"
#include "core/Text.h"
#include "definitions/AdifCatalogue.h"

#include <cstdio>

namespace quillog
{

namespace
{

ColumnRule ruleFor(int column, const AdifField &field, const AdifCatalogue &catalogue)
{
    ColumnRule rule;
    rule.column = column;
    rule.field = &field;
    rule.type = adifTypeNamed(field.dataType);
    std::string_view enumeration = field.enumeration;
    if (const std::size_t bracket = enumeration.find('['); bracket != std::string_view::npos) {
        rule.scopeField = std::string(enumeration.substr(bracket + 1, enumeration.find(']') - bracket - 1));
        enumeration = enumeration.substr(0, bracket);
    }
    // List types name their members' enumerations ("Credit,Award"); their rules look them up themselves.
    if (enumeration.find(',') == std::string_view::npos)
        rule.enumeration = catalogue.enumeration(enumeration);
    rule.openEnumeration = rule.type != AdifType::Enumeration;
    return rule;
}

} // namespace

ValidationColumns::ValidationColumns(const LogTable &table, const AdifCatalogue &catalogue)
{
    for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
        const std::string name = toUpper(trimmed(table.text(0, column)));
        if (name.empty())
            continue;
        m_columns[name] = column;
        if (const AdifField *field = catalogue.field(name); field != nullptr && !field->headerField)
            m_rules.push_back(ruleFor(column, *field, catalogue));
    }
}

int ValidationColumns::column(std::string_view name) const
{
    const auto found = m_columns.find(std::string(name));
    return found == m_columns.end() ? -1 : found->second;
}

RowFindings::RowFindings(
    const LogTable &table, const ValidationColumns &columns, int row, std::vector<Finding> &out)
    : m_table(table)
    , m_columns(columns)
    , m_row(row)
    , m_out(out)
    , m_first(out.size())
{
}

std::string_view RowFindings::value(int column) const
{
    return column < 0 ? std::string_view() : trimmed(m_table.text(m_row, column));
}

std::string_view RowFindings::value(std::string_view field) const
{
    return value(m_columns.column(field));
}

bool RowFindings::hasFinding(int column) const
{
    for (std::size_t at = m_first; at < m_out.size(); ++at) {
        if (m_out[at].column == column)
            return true;
    }
    return false;
}

void RowFindings::add(int column, std::string_view field, Severity severity, std::string message)
{
    m_out.push_back({ m_row, column, std::string(field), severity, std::move(message) });
}

void RowFindings::add(std::string_view field, Severity severity, std::string message)
{
    add(column(field), field, severity, std::move(message));
}

std::string fieldAndValue(std::string_view field, std::string_view value)
{
    std::string text(field);
    text += ' ';
    text += value;
    return text;
}

std::string formatNumber(double value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    std::string result(text);
    while (result.back() == '0')
        result.pop_back();
    if (result.back() == '.')
        result.pop_back();
    return result;
}

} // namespace quillog
