// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

namespace quillog
{

/// The three classes operators count their QSOs by, and Other for a QSO without a mode.
enum class ModeClass { Cw, Phone, Digital, Other };
inline constexpr int kModeClassCount = 4;

/// The class of a MODE value (trimmed, letter case ignored): CW is CW; SSB, AM, FM, DIGITALVOICE and
/// the voice modes logs still write as modes (USB, LSB, C4FM, DSTAR, DMR, FREEDV) are phone; every
/// other mode is digital; an empty mode is Other.
ModeClass modeClassOf(std::string_view mode);

/// "CW", "Phone", "Digital" or "Other".
std::string_view modeClassName(ModeClass modeClass);

} // namespace quillog
