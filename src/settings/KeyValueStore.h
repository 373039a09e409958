// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillog
{

/// Where the program keeps its options, recent files and window position: named numbers and texts
/// for the current user. A key is a path of names separated by "/", the last one naming the value;
/// the program's own values sit at the top ("GridFont", "File1"). Implementations: QSettings in the
/// user interface, MemoryKeyValueStore for tests and for runs that keep nothing.
class KeyValueStore
{
public:
    virtual ~KeyValueStore() = default;

    /// The number under key; empty when there is none or it is not a number.
    virtual std::optional<std::int32_t> readInteger(std::string_view key) const = 0;
    /// The text under key; empty when there is none or it is not a text.
    virtual std::optional<std::string> readString(std::string_view key) const = 0;
    /// False when the store cannot take the value; the previous value then stays.
    virtual bool writeInteger(std::string_view key, std::int32_t value) = 0;
    virtual bool writeString(std::string_view key, std::string_view value) = 0;
    /// Deletes the value; true when it is gone afterwards, also when it was never there.
    virtual bool remove(std::string_view key) = 0;
};

} // namespace quillog
