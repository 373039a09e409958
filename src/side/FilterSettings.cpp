// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/FilterSettings.h"

#include "core/FileIo.h"
#include "core/Text.h"

#include <array>
#include <ctime>
#include <filesystem>

namespace quillog
{

namespace
{

enum class Setting {
    UseDate,
    UseBand,
    UseMode,
    UseSubmode,
    UseZone,
    UseOperator,
    UseCall,
    UseQslSent,
    UseQslRcvd,
    UseContinent,
    QslSent,
    QslRcvd,
    Bands,
    Modes,
    Submodes,
    Zones,
    Continents,
    Operator,
    Callsign,
    DateFrom,
    DateTo
};

struct Element {
    std::string_view name;
    Setting setting;
};

// The order in which a line's tag is looked for; the first found names the line.
constexpr std::array<Element, 21> elements = { {
    { "usedate", Setting::UseDate },
    { "useband", Setting::UseBand },
    { "usemode", Setting::UseMode },
    { "usesubmode", Setting::UseSubmode },
    { "usezone", Setting::UseZone },
    { "useoper", Setting::UseOperator },
    { "usecall", Setting::UseCall },
    { "useqslsent", Setting::UseQslSent },
    { "useqslrcvd", Setting::UseQslRcvd },
    { "usecont", Setting::UseContinent },
    { "qslsent", Setting::QslSent },
    { "qslrcvd", Setting::QslRcvd },
    { "bands", Setting::Bands },
    { "modes", Setting::Modes },
    { "submodes", Setting::Submodes },
    { "zones", Setting::Zones },
    { "continents", Setting::Continents },
    { "operator", Setting::Operator },
    { "callsign", Setting::Callsign },
    { "datefrom", Setting::DateFrom },
    { "dateto", Setting::DateTo },
} };

constexpr std::array<std::string_view, 4> listNames = { "bands", "modes", "submodes", "zones" };

bool *switchOf(FilterSettings &s, Setting setting)
{
    switch (setting) {
    case Setting::UseDate:
        return &s.useDate;
    case Setting::UseBand:
        return &s.useBand;
    case Setting::UseMode:
        return &s.useMode;
    case Setting::UseSubmode:
        return &s.useSubmode;
    case Setting::UseZone:
        return &s.useZone;
    case Setting::UseOperator:
        return &s.useOperator;
    case Setting::UseCall:
        return &s.useCall;
    case Setting::UseQslSent:
        return &s.useQslSent;
    case Setting::UseQslRcvd:
        return &s.useQslRcvd;
    case Setting::UseContinent:
        return &s.useContinent;
    default:
        return nullptr;
    }
}

void apply(FilterSettings &s, Setting setting, std::string_view value)
{
    if (bool *flag = switchOf(s, setting)) {
        *flag = value == "Y";
        return;
    }
    switch (setting) {
    case Setting::QslSent:
        s.qslSent = value;
        break;
    case Setting::QslRcvd:
        s.qslRcvd = value;
        break;
    case Setting::Bands:
        s.bands = std::string(value);
        break;
    case Setting::Modes:
        s.modes = std::string(value);
        break;
    case Setting::Submodes:
        s.submodes = std::string(value);
        break;
    case Setting::Zones:
        s.zones = std::string(value);
        break;
    case Setting::Continents:
        s.continents = value;
        break;
    case Setting::Operator:
        s.operatorCall = value;
        break;
    case Setting::Callsign:
        s.callsign = value;
        break;
    case Setting::DateFrom:
        s.dateFrom = leadingInteger(value);
        break;
    case Setting::DateTo:
        s.dateTo = leadingInteger(value);
        break;
    default:
        break;
    }
}

void parseLine(FilterSettings &settings, std::string_view line)
{
    for (const Element &element : elements) {
        const std::string tag = "<" + std::string(element.name) + ">";
        const std::size_t at = line.find(tag);
        if (at == std::string_view::npos)
            continue;
        std::string_view value = line.substr(at + tag.size());
        value = value.substr(0, value.find('<'));
        apply(settings, element.setting, value);
        return;
    }
}

void appendElement(std::string &out, std::string_view name, std::string_view value)
{
    out += "<";
    out += name;
    out += ">";
    out += value;
    out += "</";
    out += name;
    out += ">\r\n";
}

bool writeSafely(const std::string &path, const std::string &text, std::string &message)
{
    SafeFile file(path);
    if (file.open() && file.write(text) && file.commit())
        return true;
    message = "Quillog cannot write the filter file " + path
        + (file.errorText().empty() ? "" : ": " + file.errorText()) + ".";
    return false;
}

// The text of the file as it stands, for the writers that keep some of its lines; empty when missing.
bool currentText(const std::string &path, std::string &text, std::string &message)
{
    const FilterFile file = readFilterFile(path);
    if (!file.ok) {
        message = file.message;
        return false;
    }
    text.clear();
    if (file.exists) {
        const FileBytes bytes = readFileBytes(path);
        text.assign(bytes.bytes.data(), bytes.bytes.size());
    }
    return true;
}

template <typename OnLine> void forEachLine(std::string_view text, OnLine onLine)
{
    while (!text.empty()) {
        const std::size_t end = text.find_first_of("\r\n");
        onLine(text.substr(0, end));
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
}

} // namespace

FilterSettings parseFilterText(std::string_view text)
{
    FilterSettings settings;
    forEachLine(text, [&](std::string_view line) { parseLine(settings, line); });
    return settings;
}

std::string filterText(const FilterSettings &s)
{
    std::string out = "<?xml version=\"1.0\"?>\r\n<filters>\r\n";
    const std::pair<std::string_view, bool> switches[] = { { "usedate", s.useDate }, { "useband", s.useBand },
        { "usemode", s.useMode }, { "usesubmode", s.useSubmode }, { "usezone", s.useZone },
        { "useoper", s.useOperator }, { "usecall", s.useCall }, { "useqslsent", s.useQslSent },
        { "useqslrcvd", s.useQslRcvd }, { "usecont", s.useContinent } };
    for (const auto &[name, on] : switches) {
        if (on)
            appendElement(out, name, "Y");
    }
    appendElement(out, "qslsent", s.qslSent);
    appendElement(out, "qslrcvd", s.qslRcvd);
    appendElement(out, "continents", s.continents.empty() ? ";" : s.continents);
    if (!s.operatorCall.empty())
        appendElement(out, "operator", s.operatorCall);
    if (!s.callsign.empty())
        appendElement(out, "callsign", s.callsign);
    appendElement(out, "datefrom", std::to_string(s.dateFrom));
    appendElement(out, "dateto", std::to_string(s.dateTo));
    const std::optional<std::string> *lists[] = { &s.bands, &s.modes, &s.submodes, &s.zones };
    for (std::size_t i = 0; i < listNames.size(); ++i) {
        if (*lists[i])
            appendElement(out, listNames[i], **lists[i]);
    }
    return out + "</filters>";
}

std::string filterListLine(FilterList list, const std::vector<std::string> &chosen)
{
    std::string value = ";";
    for (const std::string &entry : chosen) {
        if (!entry.empty())
            value += entry + ";";
    }
    std::string line;
    appendElement(line, listNames[static_cast<std::size_t>(list)], value);
    return line;
}

bool filterListHas(std::string_view value, std::string_view entry)
{
    return value.find(";" + std::string(entry) + ";") != std::string_view::npos;
}

std::optional<std::string> &filterListValue(FilterSettings &settings, FilterList list)
{
    switch (list) {
    case FilterList::Bands:
        return settings.bands;
    case FilterList::Modes:
        return settings.modes;
    case FilterList::Submodes:
        return settings.submodes;
    case FilterList::Zones:
        break;
    }
    return settings.zones;
}

FilterFile readFilterFile(const std::string &path)
{
    FilterFile file;
    std::error_code error;
    if (!std::filesystem::exists(path, error)) {
        file.ok = true;
        return file;
    }
    file.exists = true;
    const auto size = std::filesystem::file_size(path, error);
    if (!error && size > maxFilterFileSize) {
        file.message = "The filter file " + path + " is too large to be a filter file.";
        return file;
    }
    const FileBytes bytes = readFileBytes(path);
    if (!bytes.ok) {
        file.message = "Quillog cannot read the filter file " + path + ": " + bytes.message + ".";
        return file;
    }
    file.settings = parseFilterText({ bytes.bytes.data(), bytes.bytes.size() });
    file.ok = true;
    return file;
}

bool writeFilterDialog(const std::string &path, const FilterSettings &settings, std::string &message)
{
    FilterSettings written = settings;
    const FilterFile current = readFilterFile(path);
    if (!current.ok) {
        message = current.message;
        return false;
    }
    written.bands = current.settings.bands;
    written.modes = current.settings.modes;
    written.submodes = current.settings.submodes;
    written.zones = current.settings.zones;
    return writeSafely(path, filterText(written), message);
}

bool writeFilterList(
    const std::string &path, FilterList list, const std::vector<std::string> &chosen, std::string &message)
{
    std::string text;
    if (!currentText(path, text, message))
        return false;
    const std::string tag = "<" + std::string(listNames[static_cast<std::size_t>(list)]) + ">";
    std::string out;
    forEachLine(text, [&](std::string_view line) {
        if (line.empty() || line.find(tag) != std::string_view::npos
            || line.find("</filters>") != std::string_view::npos)
            return;
        out += line;
        out += "\r\n";
    });
    out += filterListLine(list, chosen);
    out += "</filters>";
    return writeSafely(path, out, message);
}

std::string filterFilePath(const std::string &dataFolder)
{
    return dataFolder + "/filters.xml";
}

std::optional<long long> localDaySeconds(int year, int month, int day, bool endOfDay)
{
    std::tm time {};
    time.tm_year = year - 1900;
    time.tm_mon = month - 1;
    time.tm_mday = day;
    time.tm_hour = endOfDay ? 23 : 0;
    time.tm_min = endOfDay ? 59 : 0;
    time.tm_sec = endOfDay ? 59 : 0;
    time.tm_isdst = -1;
    if (year < 1 || year > 99999)
        return std::nullopt;
    const std::time_t seconds = std::mktime(&time);
    if (seconds == static_cast<std::time_t>(-1))
        return std::nullopt;
    return static_cast<long long>(seconds);
}

std::optional<LocalDate> localDateOf(long long seconds)
{
    const std::time_t time = static_cast<std::time_t>(seconds);
    std::tm local {};
    if (localtime_r(&time, &local) == nullptr)
        return std::nullopt;
    return LocalDate { local.tm_year + 1900, local.tm_mon + 1, local.tm_mday };
}

} // namespace quillog
