// SPDX-License-Identifier: GPL-3.0-or-later
#include "OutputText.h"

#include "formats/AdxText.h"

#include <algorithm>
#include <cstdio>

namespace quillog::cli
{

std::string jsonString(std::string_view text)
{
    std::string out = "\"";
    for (const char c : utf8FromCell(text)) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string tabField(std::string text)
{
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '\t' || c == '\r' || c == '\n'; }, ' ');
    return text;
}

} // namespace quillog::cli
