// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdiWriter.h"

#include "core/ProgramInfo.h"
#include "core/Text.h"

#include <cstdio>

namespace quillog
{

namespace
{

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
    out += '<';
    out += name;
    out += ':';
    out += std::to_string(length);
    if (type != 0) {
        out += ':';
        out += type;
    }
    out += '>';
    if (lowerCase) {
        for (std::size_t i = start; i < out.size(); ++i)
            out[i] = toLowerAscii(out[i]);
    }
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
    for (const PreparedField &field : fields) {
        appendAdiTag(out, field.name, field.value.size(), field.type, options.lowerCase);
        out += field.value;
        out += ' ';
    }
    out += options.lowerCase ? "<eor>" : "<EOR>";
}

SaveResult writeAdiFile(const std::string &path, const LogTable &table, const SaveOptions &options,
    const SaveDefinitions &definitions, Progress &progress)
{
    return saveLog(path, table, AdiFormat {}, options, definitions, progress);
}

} // namespace quillog
