// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/SelectionDeletion.h"

#include "core/LogTable.h"

#include <vector>

namespace quillog
{

void deleteSelectedLines(LogTable &table, int first, int last, const std::function<bool(int)> &picked,
    const std::function<void(int)> &remove)
{
    std::vector<int> lines;
    for (int line = last; line >= first; --line) {
        if (picked(line))
            lines.push_back(line);
    }
    for (const int line : lines)
        remove(line);
    table.clearSelection();
}

} // namespace quillog
