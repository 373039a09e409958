// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quillog
{

inline constexpr std::string_view programName = "Quillog";
/// The version written into the files the program makes (PROGRAMVERSION).
inline constexpr std::string_view programVersion = "3.7";
inline constexpr std::string_view programHomePage = "https://github.com/quillog/quillog";

} // namespace quillog
