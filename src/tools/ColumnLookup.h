// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace quillog
{

class LogTable;

/// The leftmost field column whose header contains the word, letter case respected; -1 when none does.
/// The Tools-menu conversions find their column so: QSO_DATE_OFF or FREQ_RX qualify when they come first.
int leftmostColumnContaining(const LogTable &table, std::string_view word);

/// The rightmost column whose trimmed header equals the field name exactly; -1 when none does. The
/// structural tools (band and frequency, deprecated modes) find their columns so.
int lastColumnNamed(const LogTable &table, std::string_view name);

/// True for a QSO-bearing column of the table: inside it and not the fixed "#" column.
bool isFieldColumn(const LogTable &table, int column);

} // namespace quillog
