// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>

namespace quillog
{

class KeyValueStore;

/// The main window's normal (not maximised) rectangle in screen pixels, as "Left", "Top", "Right"
/// and "Bottom" in the settings store.
struct WindowRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const WindowRect &, const WindowRect &) = default;
};

/// The saved rectangle; empty unless all four values are stored.
std::optional<WindowRect> readWindowRect(const KeyValueStore &store);
/// "Save Window Position"; false when the store refused a value.
bool saveWindowRect(KeyValueStore &store, const WindowRect &rect);
/// "Reset Window Position": the window keeps its place until the next start.
void resetWindowRect(KeyValueStore &store);

} // namespace quillog
