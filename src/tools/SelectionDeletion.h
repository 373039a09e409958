// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

namespace quillog
{

class LogTable;

/// Deletes, from `last` down to `first`, every row or column that `picked` chooses, through `remove`
/// (which records the deletion for Undo), then clears the selection. All are picked before the first
/// goes, since a deletion ends the selection; going from the end keeps the indices still to come valid.
void deleteSelectedLines(LogTable &table, int first, int last, const std::function<bool(int)> &picked,
    const std::function<void(int)> &remove);

} // namespace quillog
