// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/CallSet.h"

#include "core/Text.h"

#include <algorithm>

namespace quillog
{

namespace
{

std::size_t slotsFor(std::size_t expected)
{
    std::size_t slots = 16;
    while (slots < expected * 2)
        slots *= 2;
    return slots;
}

} // namespace

CallSet::CallSet(std::size_t expected)
    : m_slots(slotsFor(expected))
{
}

void CallSet::insert(std::string_view text)
{
    if (text.empty())
        return;
    if (text.size() > kInline) {
        m_long.insert(toUpper(text));
        return;
    }
    Slot key;
    std::transform(text.begin(), text.end(), key.text.begin(), toUpperAscii);
    key.size = static_cast<std::uint8_t>(text.size());
    if (place(key) && ++m_size * 2 > m_slots.size())
        grow();
}

// Puts the key into its slot; false when an equal key is there already.
bool CallSet::place(const Slot &key)
{
    std::size_t hash = 14695981039346656037ull;
    for (std::size_t i = 0; i < key.size; ++i)
        hash = (hash ^ static_cast<unsigned char>(key.text[i])) * 1099511628211ull;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = (hash ^ (hash >> 29)) & mask;; slot = (slot + 1) & mask) {
        Slot &at = m_slots[slot];
        if (at.size == 0) {
            at = key;
            return true;
        }
        if (at.size == key.size && at.text == key.text)
            return false;
    }
}

void CallSet::grow()
{
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    for (const Slot &slot : old) {
        if (slot.size != 0)
            place(slot);
    }
}

} // namespace quillog
