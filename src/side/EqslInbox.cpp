// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/EqslInbox.h"

#include "core/LogTable.h"
#include "core/Text.h"

#include <array>

namespace quillog
{

bool isEqslInbox(std::string_view header, const LogTable &records)
{
    static constexpr std::array<std::string_view, 3> eqslFields
        = { "EQSL_QSL_RCVD", "APP_EQSL_SWL", "APP_EQSL_AG" };
    for (const std::string_view field : eqslFields) {
        if (records.findColumn(field) >= 0)
            return true;
    }
    return containsIgnoreCase(header, "eQSL");
}

} // namespace quillog
