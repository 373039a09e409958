// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/KeyValueStore.h"

#include <functional>
#include <map>
#include <variant>

namespace quillog
{

/// A KeyValueStore held in memory. It can be made read-only to stand for a store that cannot be
/// written (a settings file on a full disk or in a folder without write access).
class MemoryKeyValueStore : public KeyValueStore
{
public:
    std::optional<std::int32_t> readInteger(std::string_view key) const override;
    std::optional<std::string> readString(std::string_view key) const override;
    bool writeInteger(std::string_view key, std::int32_t value) override;
    bool writeString(std::string_view key, std::string_view value) override;
    bool remove(std::string_view key) override;

    bool contains(std::string_view key) const { return m_values.find(key) != m_values.end(); }
    std::size_t size() const { return m_values.size(); }
    void setReadOnly(bool readOnly) { m_readOnly = readOnly; }

private:
    using Value = std::variant<std::int32_t, std::string>;
    std::map<std::string, Value, std::less<>> m_values;
    bool m_readOnly = false;
};

} // namespace quillog
