// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/AdifCatalogue.h"

#include "core/Text.h"
#include "definitions/TemplateResource.h"

#include <algorithm>
#include <charconv>

namespace quillog
{

namespace
{

std::vector<std::string_view> splitTabs(std::string_view line)
{
    std::vector<std::string_view> columns;
    while (true) {
        const std::size_t tab = line.find('\t');
        columns.push_back(line.substr(0, tab));
        if (tab == std::string_view::npos)
            return columns;
        line.remove_prefix(tab + 1);
    }
}

std::string_view column(const std::vector<std::string_view> &columns, std::size_t index)
{
    return index < columns.size() ? columns[index] : std::string_view();
}

std::optional<double> numberOf(std::string_view text)
{
    if (text.empty())
        return std::nullopt;
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

bool hasFlag(std::string_view flags, char flag)
{
    return flags.find(flag) != std::string_view::npos;
}

// Lines are split at line ends only: a trimmed line would lose the empty last columns, which are
// handled as missing anyway.
template <typename Handle> void forEachLine(std::string_view text, Handle handle)
{
    for (const std::string &line : parseResourceLines(text)) {
        if (!line.empty())
            handle(splitTabs(line));
    }
}

// Codes are compared in upper case, and numeric codes by their number: DXCC 001 is entity 1.
std::string key(std::string_view code)
{
    if (code.size() > 1 && code.front() == '0' && std::all_of(code.begin(), code.end(), isDigit)) {
        const std::size_t first = code.find_first_not_of('0');
        code = first == std::string_view::npos ? code.substr(code.size() - 1) : code.substr(first);
    }
    return toUpper(code);
}

} // namespace

void AdifEnumeration::add(AdifEnumValue value)
{
    const std::size_t index = m_values.size();
    m_byCode.emplace(key(value.code), index);
    if (!value.scope.empty())
        m_byScope.emplace(key(value.scope), index);
    m_values.push_back(std::move(value));
}

std::vector<const AdifEnumValue *> AdifEnumeration::find(std::string_view code) const
{
    std::vector<const AdifEnumValue *> found;
    const auto [first, last] = m_byCode.equal_range(key(code));
    for (auto at = first; at != last; ++at)
        found.push_back(&m_values[at->second]);
    return found;
}

const AdifEnumValue *AdifEnumeration::find(std::string_view code, std::string_view scope) const
{
    for (const AdifEnumValue *value : find(code)) {
        if (key(value->scope) == key(scope))
            return value;
    }
    return nullptr;
}

bool AdifEnumeration::hasScope(std::string_view scope) const
{
    return m_byScope.find(key(scope)) != m_byScope.end();
}

AdifCatalogue AdifCatalogue::fromResource(const TemplateResource &resource)
{
    const auto text = [&](int id) { return resource.section(id).value_or(std::string()); };
    return fromTexts(text(AdifFieldsSection), text(AdifEnumerationsSection), text(AdifBandEdgesSection));
}

AdifCatalogue AdifCatalogue::fromTexts(
    std::string_view fields, std::string_view enumerations, std::string_view bands)
{
    AdifCatalogue catalogue;
    forEachLine(fields, [&](const std::vector<std::string_view> &columns) {
        AdifField field { toUpper(column(columns, 0)), std::string(column(columns, 1)),
            std::string(column(columns, 2)), numberOf(column(columns, 3)), numberOf(column(columns, 4)),
            hasFlag(column(columns, 5), 'H'), hasFlag(column(columns, 5), 'I') };
        catalogue.m_fields[field.name] = std::move(field);
    });
    forEachLine(enumerations, [&](const std::vector<std::string_view> &columns) {
        const std::string_view flags = column(columns, 3);
        catalogue.m_enumerations[std::string(column(columns, 0))].add(
            { std::string(column(columns, 1)), std::string(column(columns, 2)),
                std::string(column(columns, 4)), hasFlag(flags, 'I'), hasFlag(flags, 'D') });
    });
    forEachLine(bands, [&](const std::vector<std::string_view> &columns) {
        const auto lower = numberOf(column(columns, 1)), upper = numberOf(column(columns, 2));
        if (lower && upper) {
            catalogue.m_bands.push_back({ std::string(column(columns, 0)), *lower, *upper,
                std::string(column(columns, 1)), std::string(column(columns, 2)) });
        }
    });
    return catalogue;
}

const AdifField *AdifCatalogue::field(std::string_view name) const
{
    const auto found = m_fields.find(toUpper(name));
    return found == m_fields.end() ? nullptr : &found->second;
}

const AdifEnumeration *AdifCatalogue::enumeration(std::string_view name) const
{
    const auto found = m_enumerations.find(std::string(name));
    return found == m_enumerations.end() ? nullptr : &found->second;
}

const AdifBand *AdifCatalogue::band(std::string_view name) const
{
    for (const AdifBand &band : m_bands) {
        if (equalsIgnoreCase(band.name, name))
            return &band;
    }
    return nullptr;
}

const AdifBand *AdifCatalogue::bandOfFrequency(double megahertz) const
{
    for (const AdifBand &band : m_bands) {
        if (megahertz >= band.lower && megahertz <= band.upper)
            return &band;
    }
    return nullptr;
}

AdifCatalogueLoad loadAdifCatalogue(const std::string &templatePath)
{
    const TemplateResource resource = TemplateResource::load(templatePath);
    AdifCatalogueLoad load;
    if (!resource.isLoaded())
        return load;
    load.catalogue = AdifCatalogue::fromResource(resource);
    load.ok = !load.catalogue.isEmpty();
    return load;
}

} // namespace quillog
