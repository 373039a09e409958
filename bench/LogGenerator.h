// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

namespace quillog::bench
{

/// A realistic ADI log of the given number of QSOs: a header and about twenty fields per record, as a
/// general logging program writes them. The same count and seed always give the same bytes.
std::string generateAdiLog(int qsos, std::uint32_t seed = 1);

} // namespace quillog::bench
