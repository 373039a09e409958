// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quillog
{

class TemplateResource;

/// Section ids of the ADIF tables the validator reads from the template resource.
enum AdifCatalogueSection : int {
    AdifFieldsSection = 120,
    AdifEnumerationsSection = 121,
    AdifBandEdgesSection = 122,
};

/// One field of the ADIF field table.
struct AdifField {
    std::string name; ///< upper case
    std::string dataType; ///< as ADIF names it ("Number", "GridSquare", "CreditList,AwardList", ...)
    std::string enumeration; ///< "Band", "Primary_Administrative_Subdivision[DXCC]", ... or empty
    std::optional<double> minimum, maximum;
    bool headerField = false;
    bool importOnly = false; ///< deprecated: readers take it, writers should not write it
};

/// One value of an ADIF enumeration.
struct AdifEnumValue {
    std::string code; ///< as ADIF writes it
    /// What the value belongs to: the DXCC entity code of a subdivision, section or region, the mode of a
    /// submode; empty otherwise.
    std::string scope;
    std::string name; ///< entity or subdivision name; empty where ADIF gives none worth showing
    bool importOnly = false;
    bool deleted = false;
};

/// One ADIF enumeration, looked up without regard to ASCII letter case. A code may occur once per scope
/// (a subdivision code such as "NS" is used by several entities).
class AdifEnumeration
{
public:
    void add(AdifEnumValue value);
    /// Every value with the code, in table order; empty when the code is not in the enumeration.
    std::vector<const AdifEnumValue *> find(std::string_view code) const;
    /// The value with the code in the scope; nullptr when there is none.
    const AdifEnumValue *find(std::string_view code, std::string_view scope) const;
    bool hasScope(std::string_view scope) const;
    const std::vector<AdifEnumValue> &values() const { return m_values; }

private:
    std::vector<AdifEnumValue> m_values;
    std::unordered_multimap<std::string, std::size_t> m_byCode; ///< upper-case code -> index
    std::unordered_multimap<std::string, std::size_t> m_byScope;
};

/// An ADIF band with its edges in MHz, inclusive.
struct AdifBand {
    std::string name; ///< as ADIF writes it ("20m", "70cm")
    double lower = 0, upper = 0;
    std::string lowerText, upperText; ///< the edges as ADIF writes them, for messages
};

/// The tables of the ADIF catalogue the validator checks against.
class AdifCatalogue
{
public:
    /// Reads the validator's sections of the template resource; empty tables where a section is missing.
    static AdifCatalogue fromResource(const TemplateResource &resource);
    /// Builds from the sections' texts (tab-separated lines, see scripts/make-templates).
    static AdifCatalogue fromTexts(
        std::string_view fields, std::string_view enumerations, std::string_view bands);

    bool isEmpty() const { return m_fields.empty(); }
    const AdifField *field(std::string_view name) const;
    const AdifEnumeration *enumeration(std::string_view name) const;
    const std::vector<AdifBand> &bands() const { return m_bands; }
    const AdifBand *band(std::string_view name) const;
    /// The band whose edges hold the frequency in MHz; nullptr when none does.
    const AdifBand *bandOfFrequency(double megahertz) const;

private:
    std::unordered_map<std::string, AdifField> m_fields;
    std::unordered_map<std::string, AdifEnumeration> m_enumerations;
    std::vector<AdifBand> m_bands;
};

struct AdifCatalogueLoad {
    AdifCatalogue catalogue;
    bool ok = false; ///< false when the resource is missing or damaged, or lacks the ADIF tables
};

AdifCatalogueLoad loadAdifCatalogue(const std::string &templatePath);

} // namespace quillog
