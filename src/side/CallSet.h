// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quillog
{

/// The distinct texts seen, ASCII letter case ignored. Calls are short: each is kept upper-cased inside
/// its slot of an open-addressing table, so a million calls are counted with one memory access each
/// and no allocation per call. The rare longer text goes to an ordinary set.
class CallSet
{
public:
    /// Room for the expected number of texts without growing.
    explicit CallSet(std::size_t expected = 0);

    /// Adds the text unless an equal one is in the set already; an empty text is ignored.
    void insert(std::string_view text);
    std::size_t size() const { return m_size + m_long.size(); }

private:
    static constexpr std::size_t kInline = 15;
    struct Slot {
        std::array<char, kInline> text {};
        std::uint8_t size = 0; // 0 = free
    };
    bool place(const Slot &key);
    void grow();

    std::vector<Slot> m_slots; // the size is a power of two, at most half of them used
    std::size_t m_size = 0;
    std::unordered_set<std::string> m_long;
};

} // namespace quillog
