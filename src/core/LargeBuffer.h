// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>

namespace quillog
{

/// A block of memory for bulk data (file contents, cell storage). Big blocks come straight from the
/// system and ask for transparent huge pages: with a million QSOs, page faults on small pages cost more
/// than reading the file.
class LargeBuffer
{
public:
    LargeBuffer() = default;
    /// Allocates size bytes, all zero; data() is null when the memory cannot be had.
    explicit LargeBuffer(std::size_t size);
    ~LargeBuffer();
    LargeBuffer(LargeBuffer &&other) noexcept;
    LargeBuffer &operator=(LargeBuffer &&other) noexcept;
    LargeBuffer(const LargeBuffer &) = delete;
    LargeBuffer &operator=(const LargeBuffer &) = delete;

    char *data() const { return m_data; }
    std::size_t size() const { return m_size; }
    bool isNull() const { return m_data == nullptr; }

    /// Gives back the pages past newSize to the system (the contents before it stay).
    void shrink(std::size_t newSize);

private:
    void release();

    char *m_data = nullptr;
    std::size_t m_size = 0;
    std::size_t m_mapped = 0; // bytes obtained with mmap, 0 when from the heap
};

} // namespace quillog
