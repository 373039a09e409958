// SPDX-License-Identifier: GPL-3.0-or-later
// A frequency against its band: ADIF writes FREQ in MHz with a decimal point, within the edges of BAND.
#include "check/LogValidation.h"
#include "check/ValidationContext.h"
#include "check/ValidationProfiles.h"
#include "check/ValidationRules.h"
#include "core/Text.h"
#include "definitions/AdifCatalogue.h"

#include <algorithm>
#include <array>

namespace quillog
{

namespace
{

std::string bandText(const AdifBand &band)
{
    return band.name + " (" + band.lowerText + "–" + band.upperText + " MHz)";
}

bool holds(const AdifBand *band, double megahertz)
{
    return band != nullptr && megahertz >= band->lower && megahertz <= band->upper;
}

// A value written in kHz or Hz lands in a band once scaled to MHz: in the logged band when there is one,
// else in any band.
std::string wrongUnitMessage(
    std::string_view value, double number, const AdifBand *band, const AdifCatalogue &catalogue)
{
    static constexpr std::array<std::pair<double, std::string_view>, 2> units { { { 1e3, "kHz" },
        { 1e6, "Hz" } } };
    for (const auto &[divisor, unit] : units) {
        const double scaled = number / divisor;
        if (band != nullptr ? holds(band, scaled) : catalogue.bandOfFrequency(scaled) != nullptr)
            return std::string(value) + " looks like " + std::string(unit) + ": did you mean "
                + formatNumber(scaled) + " MHz?";
    }
    return {};
}

void checkFrequency(RowFindings &row, std::string_view frequencyField, std::string_view bandField,
    const AdifCatalogue &catalogue, const ValidationOptions &options)
{
    const int column = row.column(frequencyField);
    std::string value(row.value(column));
    if (value.empty())
        return;
    const auto comma = std::count(value.begin(), value.end(), ',');
    if (comma == 1 && value.find('.') == std::string::npos) {
        std::replace(value.begin(), value.end(), ',', '.');
        // With the comma setting on, a save keeps the comma; the services read only a point.
        const bool refused = options.profile != nullptr && options.commaFrequency
            && std::string_view(options.profile->name) != "adif";
        row.add(column, frequencyField, refused ? Severity::Error : Severity::Warning,
            fieldAndValue(frequencyField, row.value(column)) + " has a decimal comma; ADIF wants a point ("
                + value + ")");
    }
    if (typeProblem(AdifType::Number, value) || numberValue(value) <= 0) {
        row.add(column, frequencyField, Severity::Error,
            fieldAndValue(frequencyField, row.value(column))
                + " is not a frequency in MHz (a number above 0)");
        return;
    }
    const double megahertz = numberValue(value);
    const AdifBand *band = catalogue.band(row.value(bandField));
    if (band != nullptr ? holds(band, megahertz) : catalogue.bandOfFrequency(megahertz) != nullptr)
        return;
    if (const std::string unit = wrongUnitMessage(row.value(column), megahertz, band, catalogue);
        !unit.empty()) {
        row.add(column, frequencyField, Severity::Error, unit);
        return;
    }
    if (band != nullptr) {
        row.add(column, frequencyField, Severity::Error,
            fieldAndValue(frequencyField, row.value(column)) + " MHz is not in band " + bandText(*band));
        return;
    }
    row.add(column, frequencyField, Severity::Warning,
        fieldAndValue(frequencyField, row.value(column)) + " MHz lies in no ADIF band");
}

} // namespace

void checkFrequencies(RowFindings &row, const AdifCatalogue &catalogue, const ValidationOptions &options)
{
    checkFrequency(row, "FREQ", "BAND", catalogue, options);
    checkFrequency(row, "FREQ_RX", "BAND_RX", catalogue, options);
}

} // namespace quillog
