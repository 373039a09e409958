// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/LargeBuffer.h"

#include <cstdlib>
#include <sys/mman.h>
#include <unistd.h>
#include <utility>

namespace quillog
{

namespace
{

constexpr std::size_t mapThreshold = 1u << 20;
constexpr std::size_t hugePage = 2u << 20;

std::size_t roundUp(std::size_t size, std::size_t unit)
{
    return (size + unit - 1) / unit * unit;
}

} // namespace

LargeBuffer::LargeBuffer(std::size_t size)
    : m_size(size)
{
    if (size >= mapThreshold) {
        const std::size_t mapped = roundUp(size, hugePage);
        void *memory = mmap(nullptr, mapped, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
        if (memory != MAP_FAILED) {
#ifdef MADV_HUGEPAGE
            madvise(memory, mapped, MADV_HUGEPAGE);
#endif
            m_data = static_cast<char *>(memory);
            m_mapped = mapped;
            return;
        }
    } else {
        m_data = static_cast<char *>(std::calloc(size == 0 ? 1 : size, 1));
    }
    if (m_data == nullptr)
        m_size = 0;
}

LargeBuffer::~LargeBuffer()
{
    release();
}

LargeBuffer::LargeBuffer(LargeBuffer &&other) noexcept
    : m_data(std::exchange(other.m_data, nullptr))
    , m_size(std::exchange(other.m_size, 0))
    , m_mapped(std::exchange(other.m_mapped, 0))
{
}

LargeBuffer &LargeBuffer::operator=(LargeBuffer &&other) noexcept
{
    if (this != &other) {
        release();
        m_data = std::exchange(other.m_data, nullptr);
        m_size = std::exchange(other.m_size, 0);
        m_mapped = std::exchange(other.m_mapped, 0);
    }
    return *this;
}

void LargeBuffer::shrink(std::size_t newSize)
{
    if (newSize >= m_size)
        return;
    m_size = newSize;
    if (m_mapped == 0)
        return;
    const std::size_t keep
        = roundUp(newSize == 0 ? 1 : newSize, static_cast<std::size_t>(sysconf(_SC_PAGESIZE)));
    if (keep < m_mapped) {
        munmap(m_data + keep, m_mapped - keep);
        m_mapped = keep;
    }
}

void LargeBuffer::release()
{
    if (m_data == nullptr)
        return;
    if (m_mapped != 0)
        munmap(m_data, m_mapped);
    else
        std::free(m_data);
    m_data = nullptr;
    m_size = 0;
    m_mapped = 0;
}

} // namespace quillog
