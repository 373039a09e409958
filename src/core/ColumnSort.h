// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillog
{

class LogTable;
class UndoJournal;

/// A click on a column's header: sorts the QSO rows by that column, ascending unless the column is the
/// one last sorted and that sort ascended, and records the sort in the journal so that undo restores
/// the order and the remembered sort. Returns false (and changes nothing) when the log has no QSO.
bool sortByHeaderClick(LogTable &table, UndoJournal &journal, int column);

} // namespace quillog
