// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quillog
{

/// The ADIF band (upper case, e.g. "20M", "70CM", "SUBMM") that holds the frequency in MHz, both edges
/// included; empty when no band does. The edges are those of the ADIF band enumeration, with 30M taken
/// from 10 MHz and 60M up to 5.5 MHz.
std::string_view bandOfMegahertz(double megahertz);

/// The band of a FREQ text: every comma counts as a decimal point and the leading number is read (no
/// number reads as 0, which is no band).
std::string_view bandOfFrequency(std::string_view frequency);

} // namespace quillog
