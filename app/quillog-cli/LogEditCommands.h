// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliArguments.h"

namespace quillog::cli
{

/// quillog-cli split LOG COUNT TARGET [--replace]: the editor's Split.
int split(const CliArguments &arguments);
/// quillog-cli merge LOG OTHER... OUT: the editor's Merge, one file after another.
int merge(const CliArguments &arguments);
/// quillog-cli filter LOG OUT --filters FILE: the filtered open, then written as convert writes.
int filter(const CliArguments &arguments);
/// quillog-cli add LOG OUT --call C ...: one QSO typed by hand added to the log.
int add(const CliArguments &arguments);

} // namespace quillog::cli
