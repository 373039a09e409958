// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quillog
{

class LogTable;

/// A cell as the dump writes it: tab, CR, LF and backslash as \t, \r, \n and \\; other bytes as they are.
std::string escapedCell(std::string_view cell);

/// The raw table: the header row, then one line per QSO, cells tab-separated exactly as they stand
/// (escaped), the fixed "#" column left out; LF line ends. No normalisation, no checks.
std::string tableDump(const LogTable &table);

} // namespace quillog
