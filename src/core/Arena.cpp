// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Arena.h"

#include <cstring>
#include <utility>

namespace quillog
{

namespace
{

constexpr std::size_t smallBlock = 64u << 10;
constexpr std::size_t largeBlock = 4u << 20;

} // namespace

void *Arena::allocateBytes(std::size_t bytes, std::size_t alignment)
{
    if (!m_blocks.empty()) {
        Block &block = m_blocks.back();
        const std::size_t start = (block.used + alignment - 1) / alignment * alignment;
        if (start <= block.memory.size() && bytes <= block.memory.size() - start) {
            block.used = start + bytes;
            m_handedOut += bytes;
            return block.memory.data() + start;
        }
    }
    // Start small so that a tiny table stays tiny; grow to large blocks once the arena is busy.
    const std::size_t blockSize = m_handedOut < largeBlock ? smallBlock : largeBlock;
    LargeBuffer memory(bytes > blockSize / 4 ? bytes : blockSize);
    if (memory.isNull())
        return nullptr;
    char *data = memory.data();
    if (bytes > blockSize / 4) {
        // A big allocation gets a block of its own, placed before the current block so that the
        // current block's free space stays in use.
        m_blocks.insert(m_blocks.end() - (m_blocks.empty() ? 0 : 1), Block { std::move(memory), bytes });
    } else {
        m_blocks.push_back(Block { std::move(memory), bytes });
    }
    m_handedOut += bytes;
    return data;
}

std::string_view Arena::store(std::string_view text)
{
    if (text.empty())
        return {};
    char *copy = static_cast<char *>(allocateBytes(text.size(), 1));
    if (copy == nullptr)
        return {};
    std::memcpy(copy, text.data(), text.size());
    return { copy, text.size() };
}

void Arena::adopt(LargeBuffer buffer)
{
    const std::size_t size = buffer.size();
    m_blocks.insert(m_blocks.end() - (m_blocks.empty() ? 0 : 1), Block { std::move(buffer), size });
    m_handedOut += size;
}

void Arena::clear()
{
    m_blocks.clear();
    m_handedOut = 0;
}

} // namespace quillog
