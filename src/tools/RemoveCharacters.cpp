// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/RemoveCharacters.h"

#include "core/LogTable.h"
#include "tools/UndoSteps.h"

#include <string>

namespace quillog
{

bool isInClass(char c, CharacterClass characters)
{
    const auto byte = static_cast<unsigned char>(c);
    switch (characters) {
    case CharacterClass::Letters:
        return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z');
    case CharacterClass::Digits:
        return byte >= '0' && byte <= '9';
    case CharacterClass::Symbols:
        return (byte >= 33 && byte <= 47) || (byte >= 58 && byte <= 64) || (byte >= 91 && byte <= 96)
            || (byte >= 123 && byte <= 127);
    }
    return false;
}

ToolResult removeCharacters(LogTable &table, UndoJournal &journal, int column, CharacterClass characters)
{
    ToolResult result;
    if (column < 0 || column >= table.columnCount())
        return result;
    recordColumnSnapshot(journal, column, result);
    std::string kept;
    for (int row = 1; row < table.rowCount(); ++row) {
        kept.clear();
        for (const char c : table.text(row, column)) {
            if (!isInClass(c, characters))
                kept += c;
        }
        if (kept.size() != table.text(row, column).size()) {
            table.setText(row, column, kept);
            ++result.cellsChanged;
        }
    }
    return result;
}

} // namespace quillog
