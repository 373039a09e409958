// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdiWriter.h"

#include "core/ProgramInfo.h"
#include "core/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <iterator>

namespace quillog
{

namespace
{

// Writes "<" name ":" length [":" type] ">" at to, lower-cased on request; returns the end.
char *writeAdiTag(char *to, std::string_view name, std::string_view length, char type, bool lowerCase)
{
    char *const start = to;
    *to++ = '<';
    to = std::copy(name.begin(), name.end(), to);
    *to++ = ':';
    to = std::copy(length.begin(), length.end(), to);
    if (type != 0) {
        *to++ = ':';
        *to++ = type;
    }
    *to++ = '>';
    if (lowerCase)
        std::transform(start, to, start, toLowerAscii);
    return to;
}

// The tag's size besides its name and length digits: "<", ":", ">" and the type with its ":".
std::size_t tagPunctuation(char type)
{
    return type != 0 ? 5 : 3;
}

// The length as decimal digits in buffer.
std::string_view lengthDigits(std::size_t length, char (&buffer)[24])
{
    const auto written = std::to_chars(std::begin(buffer), std::end(buffer), length);
    return { buffer, static_cast<std::size_t>(written.ptr - buffer) };
}

// Appends tag, value and the space after it with one growth of out: a save writes millions of them.
void appendAdiField(std::string &out, const PreparedField &field, bool lowerCase)
{
    char buffer[24];
    const std::string_view length = lengthDigits(field.value.size(), buffer);
    const std::size_t start = out.size();
    out.resize(
        start + field.name.size() + length.size() + tagPunctuation(field.type) + field.value.size() + 1);
    char *to = writeAdiTag(out.data() + start, field.name, length, field.type, lowerCase);
    to = std::copy(field.value.begin(), field.value.end(), to);
    *to = ' ';
}

void appendHeaderField(std::string &out, std::string_view name, std::string_view value, bool lowerCase)
{
    appendAdiTag(out, name, value.size(), 0, lowerCase);
    out += value;
    out += "\r\n";
}

} // namespace

void appendAdiTag(std::string &out, std::string_view name, std::size_t length, char type, bool lowerCase)
{
    char buffer[24];
    const std::string_view digits = lengthDigits(length, buffer);
    const std::size_t start = out.size();
    out.resize(start + name.size() + digits.size() + tagPunctuation(type));
    writeAdiTag(out.data() + start, name, digits, type, lowerCase);
}

std::string adiTimestamp(std::time_t time)
{
    static constexpr const char *months[]
        = { "Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec" };
    std::tm utc {};
    gmtime_r(&time, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%02d %s, %04d at %02d:%02d", utc.tm_mday, months[utc.tm_mon % 12],
        utc.tm_year + 1900, utc.tm_hour, utc.tm_min);
    return text;
}

void AdiFormat::appendHeader(
    std::string &out, const SaveOptions &options, const SaveDefinitions &definitions) const
{
    out += "File generated on " + adiTimestamp(definitions.now.value_or(std::time(nullptr))) + "\r\n";
    out += "ADIF Export from Quillog v[" + std::string(programVersion) + "]\r\n";
    out += "Written by Quillog, the ADIF log editor for radio amateurs\r\n";
    out += "Quillog is free software under the " + std::string(programLicence) + "\r\n";
    const std::string_view programId = definitions.programId.empty() ? programName : definitions.programId;
    appendHeaderField(out, "ADIF_VER", definitions.adifVersion, options.lowerCase);
    appendHeaderField(out, "PROGRAMID", programId, options.lowerCase);
    appendHeaderField(out, "PROGRAMVERSION", programVersion, options.lowerCase);
    out += options.lowerCase ? "<eoh>\r\n\r\n" : "<EOH>\r\n\r\n";
}

void AdiFormat::appendRecord(
    std::string &out, const std::vector<PreparedField> &fields, const SaveOptions &options) const
{
    for (const PreparedField &field : fields)
        appendAdiField(out, field, options.lowerCase);
    out += options.lowerCase ? "<eor>" : "<EOR>";
}

SaveResult writeAdiFile(const std::string &path, const LogTable &table, const SaveOptions &options,
    const SaveDefinitions &definitions, Progress &progress)
{
    return saveLog(path, table, AdiFormat {}, options, definitions, progress);
}

} // namespace quillog
