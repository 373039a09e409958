// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliArguments.h"

namespace quillog::cli
{

/// quillog-cli stats LOG [--json]: the Statistics dialog's figures.
int stats(const CliArguments &arguments);
/// quillog-cli eqsl-compare INBOX LOG OUT: writes the records the eQSL filter window would list.
int eqslCompare(const CliArguments &arguments);

} // namespace quillog::cli
