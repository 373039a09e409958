// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string_view>

namespace quillog
{

/// The wavelength in metres an ADIF band name stands for: "160M" 160, "70CM" 0.7, "2.5MM" 0.0025,
/// "SUBMM" below a millimetre. Letter case is ignored; nothing for a text that names no wavelength.
std::optional<double> bandWavelength(std::string_view band);

/// Orders bands as the ADIF band list does, from low to high frequency (long to short wavelength).
/// Texts that name no wavelength come last, in plain character order.
bool bandBefore(std::string_view a, std::string_view b);

} // namespace quillog
