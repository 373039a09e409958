// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/MemoryKeyValueStore.h"

namespace quillog
{

std::optional<std::int32_t> MemoryKeyValueStore::readInteger(std::string_view key) const
{
    const auto found = m_values.find(key);
    if (found == m_values.end())
        return std::nullopt;
    if (const auto *number = std::get_if<std::int32_t>(&found->second))
        return *number;
    return std::nullopt;
}

std::optional<std::string> MemoryKeyValueStore::readString(std::string_view key) const
{
    const auto found = m_values.find(key);
    if (found == m_values.end())
        return std::nullopt;
    if (const auto *text = std::get_if<std::string>(&found->second))
        return *text;
    return std::nullopt;
}

bool MemoryKeyValueStore::writeInteger(std::string_view key, std::int32_t value)
{
    if (m_readOnly)
        return false;
    m_values.insert_or_assign(std::string(key), Value(value));
    return true;
}

bool MemoryKeyValueStore::writeString(std::string_view key, std::string_view value)
{
    if (m_readOnly)
        return false;
    m_values.insert_or_assign(std::string(key), Value(std::string(value)));
    return true;
}

bool MemoryKeyValueStore::remove(std::string_view key)
{
    const auto found = m_values.find(key);
    if (found == m_values.end())
        return true;
    if (m_readOnly)
        return false;
    m_values.erase(found);
    return true;
}

} // namespace quillog
