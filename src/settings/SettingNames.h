// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quillog::settingNames
{

// Value names in the settings store. They are what existing settings files hold: never rename them.
inline constexpr std::string_view useLowerCase = "UseLowerCase";
inline constexpr std::string_view useTypeIndicator = "UseTypeIndicator";
inline constexpr std::string_view useCommaFreq = "UseCommaFreq";
inline constexpr std::string_view doNotCheckRequired = "DoNotCheckRequired";
inline constexpr std::string_view ignoreBracket = "IgnoreBracket";
inline constexpr std::string_view separateQso = "SeparateQSO";
inline constexpr std::string_view excelScroll = "ExcelScroll";
inline constexpr std::string_view csvSeparator = "CSVSeparator";
inline constexpr std::string_view gridBackColor = "GridBackColor";
inline constexpr std::string_view gridTextColor = "GridTextColor";
inline constexpr std::string_view gridSelectedColor = "GridSelectedColor";
inline constexpr std::string_view gridMarkedColor = "GridMarkedColor";
inline constexpr std::string_view gridLinesColor = "GridLinesColor";
inline constexpr std::string_view gridStyle = "GridStyle";
inline constexpr std::string_view gridFont = "GridFont";

// Recent files are "File1" (oldest) to "File5" (newest).
inline constexpr std::string_view recentFilePrefix = "File";

inline constexpr std::string_view windowLeft = "Left";
inline constexpr std::string_view windowTop = "Top";
inline constexpr std::string_view windowRight = "Right";
inline constexpr std::string_view windowBottom = "Bottom";

} // namespace quillog::settingNames
