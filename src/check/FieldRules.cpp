// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of single fields: data type, range and enumeration.
#include "check/ValidationContext.h"
#include "check/ValidationRules.h"
#include "core/Text.h"
#include "definitions/AdifCatalogue.h"

#include <algorithm>

namespace quillog
{

namespace
{

// Enumerations short enough to list in a message.
constexpr std::size_t kListableValues = 10;

std::string rangeText(const AdifField &field)
{
    if (field.minimum && field.maximum)
        return "is out of range " + formatNumber(*field.minimum) + "–" + formatNumber(*field.maximum);
    if (field.minimum)
        return "is below the minimum " + formatNumber(*field.minimum);
    return "is above the maximum " + formatNumber(*field.maximum);
}

bool inRange(const AdifField &field, double number)
{
    return (!field.minimum || number >= *field.minimum) && (!field.maximum || number <= *field.maximum);
}

std::string enumerationTitle(const ColumnRule &rule)
{
    std::string name(rule.field->enumeration.substr(0, rule.field->enumeration.find('[')));
    std::replace(name.begin(), name.end(), '_', ' ');
    return name;
}

std::string notInEnumeration(const ColumnRule &rule, std::string_view value)
{
    const auto &values = rule.enumeration->values();
    std::string message = fieldAndValue(rule.field->name, value);
    if (values.size() > kListableValues)
        return message + " is not in the ADIF " + enumerationTitle(rule) + " list";
    message += " is not one of ";
    for (std::size_t at = 0; at < values.size(); ++at)
        message += (at == 0 ? "" : ", ") + values[at].code;
    return message;
}

// The scope values a code belongs to, as "MODE MFSK" or "DXCC 1, 6".
std::string scopesOf(const std::vector<const AdifEnumValue *> &values, std::string_view scopeField)
{
    std::string text(scopeField);
    for (std::size_t at = 0; at < values.size(); ++at)
        text += (at == 0 ? " " : ", ") + values[at]->scope;
    return text;
}

std::string deprecatedText(const ColumnRule &rule, const AdifEnumValue &value, const AdifCatalogue &catalogue)
{
    std::string message = fieldAndValue(rule.field->name, value.code);
    if (rule.field->name == "MODE") {
        if (const AdifEnumeration *submodes = catalogue.enumeration("Submode")) {
            if (const auto parents = submodes->find(value.code); !parents.empty())
                return message + " is deprecated in ADIF: write MODE " + parents.front()->scope
                    + " with SUBMODE " + parents.front()->code;
        }
    }
    const std::string named = message + (value.name.empty() ? "" : " (" + value.name + ")");
    if (value.deleted && rule.field->enumeration == "DXCC_Entity_Code")
        return named + " is a deleted DXCC entity";
    if (value.deleted)
        return named + " is deleted from the ADIF " + enumerationTitle(rule) + " list";
    return message + " is deprecated in ADIF (import only)";
}

// "MODE USB is not in the ADIF Mode list: write MODE SSB with SUBMODE USB".
std::string submodeHint(const ColumnRule &rule, std::string_view value, const AdifCatalogue &catalogue)
{
    const AdifEnumeration *submodes = catalogue.enumeration("Submode");
    if (rule.field->name != "MODE" || submodes == nullptr)
        return {};
    const auto parents = submodes->find(value);
    return parents.empty()
        ? std::string()
        : ": write MODE " + parents.front()->scope + " with SUBMODE " + parents.front()->code;
}

// Subdivisions depend on their DXCC entity, submodes on their mode. ADIF lists the subdivisions of some
// entities only (elsewhere any code may stand, and nothing can be said without the entity), while
// every submode is listed with its mode.
bool scopeDecides(const ColumnRule &rule, std::string_view scope)
{
    if (scope.empty())
        return false;
    return rule.scopeField == "MODE" || rule.enumeration->hasScope(scope);
}

// "DXCC 291 (UNITED STATES OF AMERICA)"; an entity is named, a mode speaks for itself.
std::string scopeText(const ColumnRule &rule, std::string_view scope, const AdifCatalogue &catalogue)
{
    std::string text = fieldAndValue(rule.scopeField, scope);
    const AdifEnumeration *entities = catalogue.enumeration("DXCC_Entity_Code");
    if (rule.scopeField.ends_with("DXCC") && entities != nullptr) {
        if (const auto entity = entities->find(scope); !entity.empty() && !entity.front()->name.empty())
            text += " (" + entity.front()->name + ")";
    }
    return text;
}

// A subdivision not of the entity, a submode not of the mode.
void checkScope(RowFindings &row, const ColumnRule &rule, std::string_view value, std::string_view scope,
    const std::vector<const AdifEnumValue *> &matches, const AdifCatalogue &catalogue)
{
    std::string message
        = fieldAndValue(rule.field->name, value) + " does not belong to " + scopeText(rule, scope, catalogue);
    if (!matches.empty())
        message += " (it belongs to " + scopesOf(matches, rule.scopeField) + ")";
    row.add(rule.column, rule.field->name, Severity::Error, std::move(message));
}

void checkEnumeration(
    RowFindings &row, const ColumnRule &rule, std::string_view value, const AdifCatalogue &catalogue)
{
    const std::string_view scope = rule.scopeField.empty() ? std::string_view() : row.value(rule.scopeField);
    const bool scoped = scopeDecides(rule, scope);
    if (!rule.scopeField.empty() && rule.scopeField != "MODE" && !scoped)
        return;
    const std::vector<const AdifEnumValue *> matches = rule.enumeration->find(value);
    const AdifEnumValue *match = scoped ? rule.enumeration->find(value, scope) : nullptr;
    if (matches.empty() && !(scoped && !rule.openEnumeration)) {
        row.add(rule.column, rule.field->name, rule.openEnumeration ? Severity::Warning : Severity::Error,
            notInEnumeration(rule, value) + submodeHint(rule, value, catalogue));
        return;
    }
    if (scoped && match == nullptr) {
        checkScope(row, rule, value, scope, matches, catalogue);
        return;
    }
    if (match == nullptr)
        match = matches.front();
    if (match->importOnly || match->deleted)
        row.add(rule.column, rule.field->name, Severity::Warning, deprecatedText(rule, *match, catalogue));
}

bool inEnumeration(const AdifCatalogue &catalogue, std::string_view enumeration, std::string_view code)
{
    const AdifEnumeration *values = catalogue.enumeration(enumeration);
    return values != nullptr && !values->find(code).empty();
}

// Each item is a credit, or a credit with ":" and media joined by "&" (DXCC:LOTW&CARD); deprecated award
// names stand for credits too.
bool isCreditItem(const AdifCatalogue &catalogue, std::string_view item)
{
    const std::size_t colon = item.find(':');
    const std::string_view credit = item.substr(0, colon);
    if (!inEnumeration(catalogue, "Credit", credit) && !inEnumeration(catalogue, "Award", credit))
        return false;
    for (std::string_view media
         = colon == std::string_view::npos ? std::string_view() : item.substr(colon + 1);
         colon != std::string_view::npos;) {
        const std::size_t amp = media.find('&');
        if (!inEnumeration(catalogue, "QSL_Medium", media.substr(0, amp)))
            return false;
        if (amp == std::string_view::npos)
            break;
        media.remove_prefix(amp + 1);
    }
    return true;
}

// An award name starts with its sponsor's prefix (ARRL_, CQ_, ...).
bool isSponsoredAward(const AdifCatalogue &catalogue, std::string_view item)
{
    const AdifEnumeration *sponsors = catalogue.enumeration("Award_Sponsor");
    if (sponsors == nullptr)
        return true;
    return std::any_of(
        sponsors->values().begin(), sponsors->values().end(), [&](const AdifEnumValue &sponsor) {
            return item.size() > sponsor.code.size()
                && equalsIgnoreCase(item.substr(0, sponsor.code.size()), sponsor.code);
        });
}

void checkListMembers(
    RowFindings &row, const ColumnRule &rule, std::string_view value, const AdifCatalogue &catalogue)
{
    const bool credit = rule.type == AdifType::CreditList;
    while (true) {
        const std::size_t comma = value.find(',');
        const std::string_view item = trimmed(value.substr(0, comma));
        if (credit ? !isCreditItem(catalogue, item) : !isSponsoredAward(catalogue, item)) {
            row.add(rule.column, rule.field->name, Severity::Error,
                fieldAndValue(rule.field->name, item)
                    + (credit ? " is not an ADIF credit (with QSL media such as DXCC:LOTW&CARD)"
                              : " does not start with an ADIF award sponsor (ARRL_, CQ_, DARC_, ...)"));
            return;
        }
        if (comma == std::string_view::npos)
            return;
        value.remove_prefix(comma + 1);
    }
}

void checkValue(
    RowFindings &row, const ColumnRule &rule, std::string_view value, const AdifCatalogue &catalogue)
{
    const AdifField &field = *rule.field;
    if (const auto problem = typeProblem(rule.type, value)) {
        row.add(rule.column, field.name, problem->severity,
            fieldAndValue(field.name, value) + " " + std::string(problem->reason));
        if (problem->severity == Severity::Error)
            return;
    }
    const bool numeric = rule.type == AdifType::Number || rule.type == AdifType::Integer
        || rule.type == AdifType::PositiveInteger;
    if (numeric && !inRange(field, numberValue(value)))
        row.add(rule.column, field.name, Severity::Error,
            fieldAndValue(field.name, value) + " " + rangeText(field));
    else if (rule.enumeration != nullptr)
        checkEnumeration(row, rule, value, catalogue);
    else if (rule.type == AdifType::CreditList || rule.type == AdifType::SponsoredAwardList)
        checkListMembers(row, rule, value, catalogue);
}

} // namespace

void checkFieldValues(RowFindings &row, const ValidationColumns &columns, const AdifCatalogue &catalogue)
{
    for (const ColumnRule &rule : columns.rules()) {
        const std::string_view value = row.value(rule.column);
        if (value.empty() || rule.field->name == "FREQ" || rule.field->name == "FREQ_RX")
            continue;
        if (rule.field->importOnly) {
            row.add(rule.column, rule.field->name, Severity::Warning,
                rule.field->name + " is a deprecated ADIF field (import only)");
        }
        checkValue(row, rule, value, catalogue);
    }
}

} // namespace quillog
