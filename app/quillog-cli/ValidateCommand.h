// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "CliArguments.h"

namespace quillog::cli
{

/// quillog-cli validate LOG [--profile P] [--json] [--comma-freq]: one line per finding (row, field,
/// value, severity, message; tab-separated) or a JSON document on stdout, the summary on stderr.
/// Exit 0 without errors (warnings alone included), 1 with errors, 2 when the log could not be validated.
int validate(const CliArguments &arguments);

} // namespace quillog::cli
