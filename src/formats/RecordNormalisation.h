// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quillog
{

/// QSO_DATE as written: only its digits ("2024-03-01" becomes "20240301").
std::string normaliseQsoDate(std::string_view value);

struct NormalisedFrequency {
    std::string value;
    bool withoutSeparator = false; ///< the value had neither "." nor ","
};

/// A frequency in MHz as FREQ holds it: six decimals, trailing zeros dropped down to three; with
/// commaFrequency the point becomes a comma.
std::string formatMegahertz(double megahertz, bool commaFrequency);

/// FREQ as written: the number with six decimals, trailing zeros dropped down to three ("144" becomes
/// "144.000", "7,07" becomes "7.070", "14.07456" stays); with commaFrequency the point becomes a comma.
/// A value that holds no number is kept as it is.
NormalisedFrequency normaliseFrequency(std::string_view value, bool commaFrequency);

} // namespace quillog
