// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/Utf16.h"

#include <cstdint>

namespace quillog
{

namespace
{

void appendUtf8(std::string &out, std::uint32_t code)
{
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

bool isHighSurrogate(std::uint32_t unit)
{
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(std::uint32_t unit)
{
    return unit >= 0xDC00 && unit <= 0xDFFF;
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
