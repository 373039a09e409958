// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quillog
{

/// The ADIF band (upper case) of a FREQ text in MHz, empty when it lies in no band. The side tools
/// call this adapter; it forwards to the column tools' bandOfFrequency() wherever that is built.
std::string_view sideBandOfFrequency(std::string_view frequency);

} // namespace quillog
