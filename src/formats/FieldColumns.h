// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

/// The table columns of a reader's field names. A name written in the file matches a key when its
/// upper-case form equals the key byte for byte, so "call" and "Call" find the column "CALL".
///
/// Records of one log mostly repeat one layout, so the field that followed the previous field last
/// time is tried first; only a miss hashes the name, and no name is ever copied to be looked up.
class FieldColumns
{
public:
    /// The column of a field; ordinal is its place in its record (0 starts a record, which find()
    /// needs to know to predict the next field). -1 when the name is not known.
    int find(std::string_view name, std::size_t ordinal);
    /// Adds a key unless it is known already; false when it was (the first column of a name stays).
    bool add(std::string_view key, int column);
    std::size_t size() const { return m_keys.size(); }

private:
    int lookUp(std::string_view name) const;
    void grow();

    std::vector<std::string> m_keys;
    std::vector<int> m_columns; // the column of each key
    std::vector<int> m_slots; // open addressing: key index + 1, 0 for an empty slot
    std::vector<int> m_next { -1 }; // by previous key + 1: the key that came next last time, -1 none
    int m_previous = -1;
};

} // namespace quillog
