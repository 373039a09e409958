// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillog
{

/// The kinds of message box the program shows; the core's results name the kind their message needs.
enum class BoxKind { Information, Warning, Error, Question };

} // namespace quillog
