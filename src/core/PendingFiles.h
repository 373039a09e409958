// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillog
{

/// Files being written that must not outlive the process: when SIGTERM, SIGHUP or SIGINT ends it, they
/// are deleted before the signal takes its usual course. The handlers are installed on first use and
/// only for signals nobody else handles or ignores.
namespace pendingFiles
{

/// Registers a path; returns a slot for forget(), or -1 when every slot is taken (the file is then
/// simply not cleaned up on a signal).
int remember(const char *path);
void forget(int slot);

} // namespace pendingFiles

} // namespace quillog
