// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LogTable.h"

#include <string>
#include <vector>

namespace quillog::test
{

/// Every cell of a table, for comparing a table before and after.
std::vector<std::vector<std::string>> snapshot(const LogTable &table);

/// A log as the editor holds it after a load: the fixed "#" column, then the given headers; one row per
/// entry, numbered.
LogTable logOf(const std::vector<std::string> &header, const std::vector<std::vector<std::string>> &rows);

} // namespace quillog::test
