// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace quillog
{

/// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing past U+10FFFF).
bool isValidUtf8(std::string_view text);

/// The text as UTF-8: valid UTF-8 stays as it is, anything else is taken as Windows-1252 and converted.
std::string utf8FromCell(std::string_view text);

/// Appends the cell text as XML character data: converted to UTF-8 (see utf8FromCell()), "&", "<" and
/// ">" escaped, CR written as a character reference so that XML parsers keep it. In an attribute the
/// double quote, tab and line feed are escaped too. Control characters that XML cannot carry at all are
/// left out.
void appendXmlText(std::string &out, std::string_view text, bool attribute);

/// How many characters of the cell text appendXmlText() leaves out (control characters other than tab,
/// line feed and CR; U+FFFE and U+FFFF).
std::size_t unwritableXmlCharacters(std::string_view text);

/// True when the raw text of a value needs decodeXmlText(): it holds a reference, markup or a CR.
bool needsXmlDecoding(std::string_view raw);

/// Decodes the raw text between two tags: the five predefined entities and numeric character
/// references become their characters, CDATA sections their contents, comments nothing. A reference
/// that is not well-formed stays as written. A CR not followed by LF becomes CR LF.
std::string decodeXmlText(std::string_view raw);

} // namespace quillog
