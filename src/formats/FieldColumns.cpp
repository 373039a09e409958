// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FieldColumns.h"

#include "core/Text.h"

#include <cstring>

namespace quillog
{

namespace
{

// FNV-1a over the upper-case form of the bytes.
std::uint32_t upperHash(std::string_view text)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : text) {
        hash ^= static_cast<unsigned char>(toUpperAscii(c));
        hash *= 16777619u;
    }
    return hash;
}

// The hash of a key as it is stored: equal to upperHash() of any name that matches it.
std::uint32_t keyHash(std::string_view key)
{
    std::uint32_t hash = 2166136261u;
    for (const char c : key) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 16777619u;
    }
    return hash;
}

// Most files write the names as the keys are, so equal bytes are compared first, a word at a time.
bool sameBytes(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    for (; i + 8 <= a.size(); i += 8) {
        std::uint64_t x;
        std::uint64_t y;
        std::memcpy(&x, a.data() + i, 8);
        std::memcpy(&y, b.data() + i, 8);
        if (x != y)
            return false;
    }
    for (; i < a.size(); ++i) {
        if (a[i] != b[i])
            return false;
    }
    return true;
}

bool matches(std::string_view name, std::string_view key)
{
    if (name.size() != key.size())
        return false;
    if (sameBytes(name, key))
        return true;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (toUpperAscii(name[i]) != key[i])
            return false;
    }
    return true;
}

} // namespace

int FieldColumns::lookUp(std::string_view name) const
{
    if (m_slots.empty())
        return -1;
    const std::size_t mask = m_slots.size() - 1;
    for (std::size_t slot = upperHash(name) & mask; m_slots[slot] != 0; slot = (slot + 1) & mask) {
        const int key = m_slots[slot] - 1;
        if (matches(name, m_keys[static_cast<std::size_t>(key)]))
            return key;
    }
    return -1;
}

int FieldColumns::find(std::string_view name, std::size_t ordinal)
{
    if (ordinal == 0)
        m_previous = -1;
    int &predicted = m_next[static_cast<std::size_t>(m_previous + 1)];
    int key = predicted;
    if (key < 0 || !matches(name, m_keys[static_cast<std::size_t>(key)])) {
        key = lookUp(name);
        if (key >= 0)
            predicted = key;
    }
    m_previous = key;
    return key < 0 ? -1 : m_columns[static_cast<std::size_t>(key)];
}

void FieldColumns::grow()
{
    std::vector<int> slots(m_slots.empty() ? 64 : m_slots.size() * 2, 0);
    const std::size_t mask = slots.size() - 1;
    for (std::size_t key = 0; key < m_keys.size(); ++key) {
        std::size_t slot = keyHash(m_keys[key]) & mask;
        while (slots[slot] != 0)
            slot = (slot + 1) & mask;
        slots[slot] = static_cast<int>(key) + 1;
    }
    m_slots = std::move(slots);
}

bool FieldColumns::add(std::string_view key, int column)
{
    if (m_slots.empty() || (m_keys.size() + 1) * 2 > m_slots.size())
        grow();
    const std::size_t mask = m_slots.size() - 1;
    std::size_t slot = keyHash(key) & mask;
    for (; m_slots[slot] != 0; slot = (slot + 1) & mask) {
        if (m_keys[static_cast<std::size_t>(m_slots[slot] - 1)] == key)
            return false;
    }
    m_slots[slot] = static_cast<int>(m_keys.size()) + 1;
    m_keys.emplace_back(key);
    m_columns.push_back(column);
    m_next.push_back(-1);
    return true;
}

} // namespace quillog
