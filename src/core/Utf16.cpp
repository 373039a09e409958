// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Utf16.h"

#include "core/Text.h"

#include <cstdint>

namespace quillog
{

namespace
{

bool isHighSurrogate(std::uint32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(std::uint32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

// Without a byte-order mark the zero bytes tell: log text is mostly ASCII, whose high byte is zero,
// and that byte comes first in big-endian order. Little-endian stays the choice when in doubt.
bool looksBigEndian(std::string_view bytes)
{
    std::size_t zeroFirst = 0, zeroSecond = 0;
    for (std::size_t i = 0; i + 1 < bytes.size() && i < 4096; i += 2) {
        if (bytes[i] == '\0' && bytes[i + 1] != '\0')
            ++zeroFirst;
        if (bytes[i] != '\0' && bytes[i + 1] == '\0')
            ++zeroSecond;
    }
    return zeroFirst >= 2 && zeroFirst > 2 * zeroSecond;
}

} // namespace

std::optional<std::string> utf16ToUtf8(std::string_view bytes)
{
    const auto byteAt = [&bytes](std::size_t i) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[i]));
    };
    bool bigEndian = false;
    std::size_t at = 0;
    if (bytes.size() >= 2 && byteAt(0) == 0xFE && byteAt(1) == 0xFF) {
        bigEndian = true;
        at = 2;
    } else if (bytes.size() >= 2 && byteAt(0) == 0xFF && byteAt(1) == 0xFE) {
        at = 2;
    } else {
        bigEndian = looksBigEndian(bytes);
    }
    const auto unitAt = [&](std::size_t i) {
        return bigEndian ? (byteAt(i) << 8) | byteAt(i + 1) : byteAt(i) | (byteAt(i + 1) << 8);
    };

    std::string out;
    out.reserve(bytes.size() / 2 + 16);
    while (at + 1 < bytes.size()) {
        std::uint32_t code = unitAt(at);
        if (code == 0)
            break;
        at += 2;
        if (isHighSurrogate(code) && at + 1 < bytes.size() && isLowSurrogate(unitAt(at))) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unitAt(at) - 0xDC00);
            at += 2;
        } else if (isHighSurrogate(code) || isLowSurrogate(code)) {
            code = 0xFFFD;
        }
        appendUtf8(out, code);
    }
    if (out.empty())
        return std::nullopt;
    return out;
}

} // namespace quillog
