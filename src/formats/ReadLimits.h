// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <cstdint>

namespace quillog
{

/// Whether a table of rows x columns may be made for a file of fileSize bytes. A log whose fields are
/// spread thin over many records (each name in a few of them) asks for a table far larger than its
/// file. A field takes at least five bytes of the file, and even a log merged from several programs has
/// only a few times more cells than fields; a cell takes 16 bytes. One cell per byte keeps the table
/// within about 16 times the file, and anything beyond is refused before memory is committed to it.
inline bool tableFitsFile(std::uint64_t rows, std::uint64_t columns, std::size_t fileSize)
{
    constexpr std::uint64_t cellsPerByte = 1;
    constexpr std::uint64_t alwaysAllowed = 1u << 20;
    const std::uint64_t cells = rows * columns;
    return cells <= alwaysAllowed || cells / cellsPerByte <= fileSize;
}

} // namespace quillog
