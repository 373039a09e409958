// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdiWriter.h"

#include "core/ProgramInfo.h"
#include "core/Text.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace quillog
{

namespace
{

std::size_t decimalDigits(std::size_t number)
{
    std::size_t digits = 1;
    for (; number >= 10; number /= 10)
        ++digits;
    return digits;
}

// The size of "<" name ":" length [":" type] ">".
std::size_t adiTagSize(std::string_view name, std::size_t length, char type)
{
    return name.size() + decimalDigits(length) + (type != 0 ? 5 : 3);
}

// Writes the tag at to, which has adiTagSize() bytes of room, lower-cased on request; returns its end.
char *writeAdiTag(char *to, std::string_view name, std::size_t length, char type, bool lowerCase)
{
    char *const start = to;
    *to++ = '<';
    to = std::copy(name.begin(), name.end(), to);
    *to++ = ':';
    to = std::to_chars(to, to + decimalDigits(length), length).ptr;
    if (type != 0) {
        *to++ = ':';
        *to++ = type;
    }
    *to++ = '>';
    if (lowerCase)
        std::transform(start, to, start, toLowerAscii);
    return to;
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
    const std::size_t start = out.size();
    out.resize(start + adiTagSize(name, length, type));
    writeAdiTag(out.data() + start, name, length, type, lowerCase);
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
    // The whole record in one growth of out: a save writes millions of fields.
    const std::string_view end = options.lowerCase ? "<eor>" : "<EOR>";
    std::size_t size = end.size();
    for (const PreparedField &field : fields)
        size += adiTagSize(field.name, field.value.size(), field.type) + field.value.size() + 1;
    const std::size_t start = out.size();
    out.resize(start + size);
    char *to = out.data() + start;
    for (const PreparedField &field : fields) {
        to = writeAdiTag(to, field.name, field.value.size(), field.type, options.lowerCase);
        to = std::copy(field.value.begin(), field.value.end(), to);
        *to++ = ' ';
    }
    std::copy(end.begin(), end.end(), to);
}

SaveResult writeAdiFile(const std::string &path, const LogTable &table, const SaveOptions &options,
    const SaveDefinitions &definitions, Progress &progress)
{
    return saveLog(path, table, AdiFormat {}, options, definitions, progress);
}

} // namespace quillog
