// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <optional>
#include <string_view>

namespace quillog
{

/// The position of a name in a fixed list of choices, compared byte for byte; nullopt when absent.
template <typename Choice, std::size_t N>
std::optional<Choice> choiceNamed(const std::array<std::string_view, N> &names, std::string_view name)
{
    for (std::size_t index = 0; index < N; ++index) {
        if (names[index] == name)
            return static_cast<Choice>(index);
    }
    return std::nullopt;
}

} // namespace quillog
