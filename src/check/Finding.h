// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

enum class Severity {
    Error, ///< the value breaks ADIF or the service refuses the QSO
    Warning, ///< allowed, but probably a mistake or deprecated
};

std::string_view severityName(Severity severity); ///< "error" or "warning"

/// One thing the validator found in one cell, in plain words.
struct Finding {
    int row = 0; ///< table row, as the grid numbers it (1 = first QSO)
    int column = -1; ///< table column; -1 when the log has no column for the field
    std::string field; ///< the ADIF field name
    Severity severity = Severity::Error;
    std::string message; ///< names the field, the value and the rule
};

} // namespace quillog
