// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/ProgramVersion.h"

#include <string_view>

namespace quillog
{

inline constexpr std::string_view programName = "Quillog";
/// The version written into the files the program makes (PROGRAMVERSION) and shown by --version; it
/// comes from the project() line of the top CMakeLists.txt.
inline constexpr std::string_view programVersion = QUILLOG_VERSION;
/// The licence named in the files the program writes and in the About box.
inline constexpr std::string_view programLicence = "GNU General Public License, version 3 or later";

} // namespace quillog
