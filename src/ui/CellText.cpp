// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/CellText.h"

#include "core/LogTable.h"
#include "core/Parallel.h"
#include "core/Text.h"

#include <array>
#include <atomic>

namespace quillog::ui
{

namespace
{

// Bytes 0x80 to 0x9F of Windows-1252; the five unassigned ones map to the C1 control of the same
// value, as the common decoders do, so every byte survives a round trip.
constexpr std::array<char16_t, 32> highControls = { 0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020,
    0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C,
    0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178 };

char encodeOne(char16_t unit)
{
    if (unit < 0x80 || (unit >= 0xA0 && unit <= 0xFF))
        return static_cast<char>(unit);
    for (std::size_t i = 0; i < highControls.size(); ++i) {
        if (highControls[i] == unit)
            return static_cast<char>(0x80 + i);
    }
    return '?';
}

int sequenceLength(unsigned char lead)
{
    if (lead < 0x80)
        return 1;
    if (lead >= 0xC2 && lead <= 0xDF)
        return 2;
    if (lead >= 0xE0 && lead <= 0xEF)
        return 3;
    if (lead >= 0xF0 && lead <= 0xF4)
        return 4;
    return 0;
}

// Second-byte bounds that rule out overlong forms, surrogates and code points above U+10FFFF.
bool secondByteFits(unsigned char lead, unsigned char second)
{
    if (lead == 0xE0)
        return second >= 0xA0;
    if (lead == 0xED)
        return second <= 0x9F;
    if (lead == 0xF0)
        return second >= 0x90;
    if (lead == 0xF4)
        return second <= 0x8F;
    return true;
}

} // namespace

bool isValidUtf8(std::string_view bytes)
{
    std::size_t i = asciiPrefixLength(bytes);
    while (i < bytes.size()) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = sequenceLength(lead);
        if (length == 0 || i + static_cast<std::size_t>(length) > bytes.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            if ((next & 0xC0) != 0x80 || (k == 1 && !secondByteFits(lead, next)))
                return false;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

TextEncoding detectEncoding(const LogTable &table)
{
    if (table.holdsOnlyAscii())
        return TextEncoding::Utf8;
    // A UTF-8 log has every cell looked at, on the window's thread: the cores share the rows.
    const Shares shares = sharesOf(static_cast<std::size_t>(table.rowCount()), 100000);
    std::atomic<bool> utf8 { true };
    runTogether(shares.count, [&](std::size_t part) {
        const int end = static_cast<int>(shares.start(part + 1));
        for (int row = static_cast<int>(shares.start(part));
             row < end && utf8.load(std::memory_order_relaxed); ++row) {
            for (int column = 0; column < table.columnCount(); ++column) {
                if (!isValidUtf8(table.text(row, column)))
                    utf8.store(false, std::memory_order_relaxed);
            }
        }
    });
    return utf8.load() ? TextEncoding::Utf8 : TextEncoding::Windows1252;
}

QString decodeWindows1252(std::string_view bytes)
{
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()));
    for (const char byte : bytes) {
        const auto value = static_cast<unsigned char>(byte);
        text.append(QChar(value >= 0x80 && value < 0xA0 ? highControls[value - 0x80u] : char16_t(value)));
    }
    return text;
}

std::string encodeWindows1252(const QString &text)
{
    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        // A character outside the basic plane is one "?" and not two.
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
            ++i;
        bytes.push_back(encodeOne(unit.unicode()));
    }
    return bytes;
}

QString decodeCell(std::string_view bytes, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1252)
        return decodeWindows1252(bytes);
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string encodeCell(const QString &text, TextEncoding encoding)
{
    if (encoding == TextEncoding::Windows1252)
        return encodeWindows1252(text);
    return text.toStdString();
}

} // namespace quillog::ui
