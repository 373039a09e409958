// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillog
{

/// Converts UTF-16 text to UTF-8. The byte order comes from a leading byte-order mark, which is
/// dropped; without one the order is the one that puts the zero high bytes of ASCII text where they belong.
/// The text ends at the first zero unit or at the end of the bytes (an odd last byte is ignored); a lone
/// surrogate becomes U+FFFD. Empty when there is no text to convert. The result is at most one and a half
/// times the input.
std::optional<std::string> utf16ToUtf8(std::string_view bytes);

} // namespace quillog
