// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/RecordStretches.h"

namespace quillog
{

std::size_t stretchCount(std::size_t textSize, std::size_t wanted)
{
    // Below a few megabytes, one thread reads a stretch faster than another one starts.
    return wanted > 0 ? wanted : sharesOf(textSize, 4u << 20).count;
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
