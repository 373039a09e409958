// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace quillog
{

/// Bump allocator over large blocks. Nothing is freed one by one: memory goes back when the arena is
/// cleared or destroyed. Allocations never move, so views into the arena stay valid until then.
/// Memory is never handed out twice, and blocks start zeroed, so every allocation comes zeroed.
class Arena
{
public:
    /// Memory for count objects of type T, all bytes zero; null when the system refuses memory.
    template <typename T> T *allocate(std::size_t count)
    {
        return static_cast<T *>(allocateBytes(count * sizeof(T), alignof(T)));
    }
    void *allocateBytes(std::size_t bytes, std::size_t alignment);

    /// A copy of the text that lives as long as the arena.
    std::string_view store(std::string_view text);

    /// Takes over a filled buffer, so that views may point into it without a copy.
    void adopt(LargeBuffer buffer);

    /// Every byte handed out since the arena was made or cleared.
    std::size_t bytesHandedOut() const { return m_handedOut; }
    void clear();

private:
    struct Block {
        LargeBuffer memory;
        std::size_t used = 0;
    };
    std::vector<Block> m_blocks;
    std::size_t m_handedOut = 0;
};

} // namespace quillog
