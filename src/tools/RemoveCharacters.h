// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

namespace quillog
{

class LogTable;
class UndoJournal;

/// Classes of ASCII bytes: letters A-Z and a-z; digits 0-9; symbols, the printable punctuation
/// (33-47, 58-64, 91-96, 123-127). Blanks, control bytes and bytes from 128 up belong to none.
enum class CharacterClass { Letters, Digits, Symbols };

bool isInClass(char c, CharacterClass characters);

/// Remove Alpha, Remove Numeric and Remove Symbols: every QSO cell of the column without the bytes
/// of the class, the others in their order. One column snapshot is recorded first.
ToolResult removeCharacters(LogTable &table, UndoJournal &journal, int column, CharacterClass characters);

} // namespace quillog
