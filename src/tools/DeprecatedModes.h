// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ToolResult.h"

#include <string_view>

namespace quillog
{

class LogTable;
class Progress;
class UndoJournal;
struct ValueLists;

inline constexpr std::string_view kNoModeAreaMessage = "Please mark <MODE> area.";
inline constexpr std::string_view kNoModeListsMessage = "'Templates.dat' file is missing.";

/// Convert Deprecated Modes: a MODE value that is no mode of the list but a submode of the submode
/// list ("SUBMODE=MODE", letter case ignored) becomes the parent mode, and the submode, as the list
/// spells it, goes into the SUBMODE column (inserted after MODE when missing). Only entries with a
/// parent mode count. Runs on a worker: tests the running flag and reports its percentage per row.
ToolResult convertDeprecatedModes(
    LogTable &table, UndoJournal &journal, const ValueLists &lists, Progress &progress);

} // namespace quillog
