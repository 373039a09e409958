// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/SaveOptions.h"

namespace quillog
{

struct Definitions;
struct Settings;

/// The save flags the operator chose in the options: type indicator, decimal comma, lower case, no
/// checks, an empty line between QSOs and the CSV separator. Every save and every copy as ADIF takes them
/// from here.
SaveOptions saveOptionsFor(const Settings &settings, bool selectionOnly = false);

/// What a save checks against and writes into the header: the mode and band lists, the type map and
/// the ADIF version.
SaveDefinitions saveDefinitionsFor(const Definitions &definitions);

} // namespace quillog
