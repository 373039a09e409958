// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/FrequencyBand.h"

#include "tools/BandOfFrequency.h"

namespace quillog
{

std::string_view sideBandOfFrequency(std::string_view frequency)
{
    return bandOfFrequency(frequency);
}

} // namespace quillog
