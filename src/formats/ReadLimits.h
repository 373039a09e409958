// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace quillog
{

/// Whether a table of rows x columns may be made for a file of fileSize bytes. A log whose fields are
/// spread thin over many records (each name in a few of them) asks for a table far larger than its
/// file; real logs need a few cells per byte at most, so anything beyond that is refused before memory
/// is committed to it.
inline bool tableFitsFile(std::uint64_t rows, std::uint64_t columns, std::size_t fileSize)
{
    constexpr std::uint64_t cellsPerByte = 16;
    constexpr std::uint64_t alwaysAllowed = 1u << 24;
    const std::uint64_t cells = rows * columns;
    return cells <= alwaysAllowed || cells / cellsPerByte <= fileSize;
}

} // namespace quillog
