// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/Text.h"
#include "formats/RecordNormalisation.h"

#include <string>
#include <string_view>

namespace quillog::test
{

/// What a save makes of a cell: trimmed, and QSO_DATE and FREQ in their written form.
inline std::string writtenForm(std::string_view header, std::string_view value)
{
    const std::string_view text = trimmed(value);
    if (text.empty())
        return {};
    if (header == "QSO_DATE")
        return normaliseQsoDate(text);
    if (header == "FREQ")
        return normaliseFrequency(text, false).value;
    return std::string(text);
}

} // namespace quillog::test
