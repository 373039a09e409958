// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quillog::cli
{

/// A JSON string literal of a cell's text: JSON is UTF-8, so a value of an 8-bit log is taken as
/// Windows-1252, as the editor shows it; quotes, backslashes and control characters are escaped.
std::string jsonString(std::string_view text);

/// One field of a tab-separated output line: tabs and line ends become blanks.
std::string tabField(std::string text);

} // namespace quillog::cli
