// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace quillog
{
class LogTable;
}

namespace quillog::ui
{

/// How a document's cell bytes become text on screen and typed text becomes bytes again.
enum class TextEncoding { Utf8, Windows1252 };

/// UTF-8 when every cell of the table is valid UTF-8 (plain ASCII included), else Windows-1252.
TextEncoding detectEncoding(const LogTable &table);
bool isValidUtf8(std::string_view bytes);

QString decodeCell(std::string_view bytes, TextEncoding encoding);
/// Characters that Windows-1252 cannot hold become "?".
std::string encodeCell(const QString &text, TextEncoding encoding);

QString decodeWindows1252(std::string_view bytes);
std::string encodeWindows1252(const QString &text);

} // namespace quillog::ui
