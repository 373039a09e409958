// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TableSnapshot.h"
#include "core/LogTable.h"

#include <string>
#include <vector>

namespace quillog::test
{

/// The usual columns of a QSO, in this order.
inline const std::vector<std::string> qsoHeaders = { "CALL", "QSO_DATE", "TIME_ON", "BAND", "FREQ", "MODE" };

} // namespace quillog::test
