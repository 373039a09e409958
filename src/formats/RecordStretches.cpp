// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RecordStretches.h"

namespace quillog
{

namespace
{

// Below this, one thread reads the whole text faster than several can start.
constexpr std::size_t smallestStretch = 4u << 20;
constexpr std::size_t mostStretches = 16;

} // namespace

std::size_t stretchCount(std::size_t textSize, std::size_t wanted)
{
    if (wanted > 0)
        return wanted;
    return std::clamp<std::size_t>(std::min(processorCount(), textSize / smallestStretch), 1, mostStretches);
}

namespace detail
{

std::vector<std::size_t> heldStretches(const std::vector<StretchNames> &found, std::size_t textSize)
{
    std::vector<std::size_t> held;
    std::size_t index = 0;
    while (index < found.size()) {
        held.push_back(index);
        const std::size_t end = found[index].stretch.end;
        if (end >= textSize || found[index].collected.stopped)
            break;
        while (index < found.size() && found[index].stretch.start != end)
            ++index;
    }
    return held;
}

} // namespace detail

} // namespace quillog
