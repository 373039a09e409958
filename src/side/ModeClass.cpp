// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/ModeClass.h"

#include "core/Text.h"

#include <algorithm>

namespace quillog
{

ModeClass modeClassOf(std::string_view mode)
{
    static constexpr std::array<std::string_view, 10> phoneModes
        = { "SSB", "AM", "FM", "DIGITALVOICE", "USB", "LSB", "C4FM", "DSTAR", "DMR", "FREEDV" };
    const std::string_view text = trimmed(mode);
    if (text.empty())
        return ModeClass::Other;
    // Every phone mode is short: longer texts are digital without a comparison.
    std::array<char, 12> upper {};
    if (text.size() > upper.size())
        return ModeClass::Digital;
    std::transform(text.begin(), text.end(), upper.begin(), toUpperAscii);
    const std::string_view name(upper.data(), text.size());
    if (name == "CW")
        return ModeClass::Cw;
    const bool phone = std::find(phoneModes.begin(), phoneModes.end(), name) != phoneModes.end();
    return phone ? ModeClass::Phone : ModeClass::Digital;
}

std::string_view modeClassName(ModeClass modeClass)
{
    switch (modeClass) {
    case ModeClass::Cw:
        return "CW";
    case ModeClass::Phone:
        return "Phone";
    case ModeClass::Digital:
        return "Digital";
    case ModeClass::Other:
        break;
    }
    return "Other";
}

} // namespace quillog
