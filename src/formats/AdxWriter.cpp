// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/AdxWriter.h"

#include "core/ProgramInfo.h"
#include "core/Text.h"
#include "formats/AdxText.h"

#include <cstdio>

namespace quillog
{

namespace
{

bool isNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// Names that an element may carry without breaking the file's structure: plain ASCII XML names other
// than the ones the layout itself uses.
bool isPlainElementName(std::string_view name)
{
    if (name.empty() || !isNameStart(name[0]))
        return false;
    for (const char c : name) {
        if (!isNameStart(c) && !isDigit(c) && c != '-' && c != '.')
            return false;
    }
    for (const std::string_view reserved : { "ADX", "HEADER", "RECORDS", "RECORD", "APP", "USERDEF" }) {
        if (equalsIgnoreCase(name, reserved))
            return false;
    }
    return true;
}

void appendCased(std::string &out, std::string_view text, bool lowerCase)
{
    const std::size_t start = out.size();
    out += text;
    if (lowerCase) {
        for (std::size_t i = start; i < out.size(); ++i)
            out[i] = toLowerAscii(out[i]);
    }
}

void appendAttribute(std::string &out, std::string_view name, std::string_view value, bool lowerCase)
{
    out += ' ';
    appendCased(out, name, lowerCase);
    out += "=\"";
    appendXmlText(out, lowerCase ? toLower(value) : std::string(value), true);
    out += '"';
}

void appendElement(std::string &out, std::string_view name, std::string_view value, bool lowerCase)
{
    out += '<';
    appendCased(out, name, lowerCase);
    out += '>';
    appendXmlText(out, value, false);
    out += "</";
    appendCased(out, name, lowerCase);
    out += '>';
}

// The program id and field of an application field name "APP_<id>_<field>"; false for other names.
bool splitApplicationName(std::string_view name, std::string_view &programId, std::string_view &field)
{
    constexpr std::string_view prefix = "APP_";
    if (!equalsIgnoreCase(name.substr(0, prefix.size()), prefix))
        return false;
    const std::string_view rest = name.substr(prefix.size());
    const std::size_t separator = rest.find('_');
    if (separator == std::string_view::npos)
        return false;
    programId = rest.substr(0, separator);
    field = trimmedRight(rest.substr(separator + 1));
    return !field.empty();
}

} // namespace

void appendAdxField(std::string &out, const PreparedField &field, bool lowerCase)
{
    out += "    ";
    std::string_view programId, fieldName;
    if (splitApplicationName(field.name, programId, fieldName)) {
        out += lowerCase ? "<app" : "<APP";
        if (!programId.empty())
            appendAttribute(out, "PROGRAMID", programId, lowerCase);
        appendAttribute(out, "FIELDNAME", fieldName, lowerCase);
        out += '>';
        appendXmlText(out, field.value, false);
        out += lowerCase ? "</app>\r\n" : "</APP>\r\n";
        return;
    }
    if (!isPlainElementName(field.name)) {
        out += lowerCase ? "<userdef" : "<USERDEF";
        appendAttribute(out, "FIELDNAME", field.name, lowerCase);
        out += '>';
        appendXmlText(out, field.value, false);
        out += lowerCase ? "</userdef>\r\n" : "</USERDEF>\r\n";
        return;
    }
    out += '<';
    appendCased(out, field.name, lowerCase);
    if (field.type != 0)
        appendAttribute(out, "TYPE", std::string_view(&field.type, 1), lowerCase);
    out += '>';
    appendXmlText(out, field.value, false);
    out += "</";
    appendCased(out, field.name, lowerCase);
    out += ">\r\n";
}

std::string adxTimestamp(std::time_t time)
{
    std::tm utc {};
    gmtime_r(&time, &utc);
    char text[64];
    std::snprintf(text, sizeof text, "%04d%02d%02d %02d%02d%02d", utc.tm_year + 1900, utc.tm_mon + 1,
        utc.tm_mday, utc.tm_hour, utc.tm_min, utc.tm_sec);
    return text;
}

void AdxFormat::appendHeader(
    std::string &out, const SaveOptions &options, const SaveDefinitions &definitions) const
{
    const bool lower = options.lowerCase;
    // The header elements are indented only in upper case.
    const std::string_view indent = lower ? "" : "  ";
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\r\n";
    out += lower ? "<adx>\r\n<header>\r\n" : "<ADX>\r\n<HEADER>\r\n";
    const std::string timestamp = adxTimestamp(definitions.now.value_or(std::time(nullptr)));
    const std::pair<std::string_view, std::string_view> elements[]
        = { { "CREATED_TIMESTAMP", timestamp }, { "ADIF_VER", definitions.adifVersion },
              { "PROGRAMID", programName }, { "PROGRAMVERSION", programVersion } };
    for (const auto &[name, value] : elements) {
        out += indent;
        appendElement(out, name, value, lower);
        out += "\r\n";
    }
    out += lower ? "</header>\r\n\r\n<records>\r\n" : "</HEADER>\r\n\r\n<RECORDS>\r\n";
}

void AdxFormat::appendRecord(
    std::string &out, const std::vector<PreparedField> &fields, const SaveOptions &options) const
{
    out += options.lowerCase ? "  <record>\r\n" : "  <RECORD>\r\n";
    for (const PreparedField &field : fields)
        appendAdxField(out, field, options.lowerCase);
    out += options.lowerCase ? "  </record>" : "  </RECORD>";
}

std::size_t AdxFormat::unwritableCharacters(const std::vector<PreparedField> &fields) const
{
    std::size_t count = 0;
    for (const PreparedField &field : fields)
        count += unwritableXmlCharacters(field.value);
    return count;
}

void AdxFormat::appendFooter(std::string &out, const SaveOptions &options) const
{
    out += options.lowerCase ? "</records>\r\n</adx>\r\n" : "</RECORDS>\r\n</ADX>\r\n";
}

SaveResult AdxFormat::write(const std::string &path, const LogTable &table, const SaveOptions &options,
    const SaveDefinitions &definitions, Progress &progress) const
{
    SaveOptions wholeLog = options;
    wholeLog.selectionOnly = false;
    return saveLog(path, table, *this, wholeLog, definitions, progress);
}

SaveResult writeAdxFile(const std::string &path, const LogTable &table, const SaveOptions &options,
    const SaveDefinitions &definitions, Progress &progress)
{
    return AdxFormat {}.write(path, table, options, definitions, progress);
}

} // namespace quillog
