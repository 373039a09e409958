// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/BandPlan.h"

#include "core/Text.h"
#include "definitions/DataFile.h"

#include <array>

namespace quillog
{

namespace
{

struct ReaderState {
    bool inBand = false;
    bool inMap = false;
    std::string value, mode, freq;
};

// The text after the tag up to the next "<", or to the end of the line.
std::string elementValue(std::string_view line, std::size_t tagStart, std::string_view tag)
{
    const std::string_view rest = line.substr(tagStart + tag.size());
    return std::string(rest.substr(0, rest.find('<')));
}

bool takeElement(std::string_view line, std::string_view tag, std::string &target)
{
    const std::size_t at = line.find(tag);
    if (at == std::string_view::npos)
        return false;
    target = elementValue(line, at, tag);
    return true;
}

void readLine(std::string_view line, ReaderState &state, BandPlan &plan)
{
    if (line.find("<band>") != std::string_view::npos) {
        state.inBand = true;
    } else if (line.find("</band>") != std::string_view::npos) {
        state.value.clear();
        state.inBand = false;
    } else if (line.find("<map>") != std::string_view::npos) {
        state.inMap = true;
    } else if (line.find("</map>") != std::string_view::npos) {
        if (!state.value.empty() && !state.mode.empty() && !state.freq.empty())
            plan.rows.push_back(makeBandPlanRow(state.value, state.mode, state.freq));
        state.mode.clear();
        state.freq.clear();
        state.inMap = false;
    } else {
        if (state.inBand)
            takeElement(line, "<value>", state.value);
        if (state.inMap && !takeElement(line, "<mode>", state.mode))
            takeElement(line, "<freq>", state.freq);
    }
}

// Whether a row's mode text names the class: the whole text, or one of its comma-separated parts.
bool namesMode(std::string_view rowMode, std::string_view modeClass)
{
    while (true) {
        const std::size_t comma = rowMode.find(',');
        if (trimmed(rowMode.substr(0, comma)) == modeClass)
            return true;
        if (comma == std::string_view::npos)
            return false;
        rowMode.remove_prefix(comma + 1);
    }
}

} // namespace

BandPlanRow makeBandPlanRow(std::string_view band, std::string_view mode, std::string_view freq)
{
    return { std::string(band.substr(0, kBandPlanBandWidth)), std::string(mode.substr(0, kBandPlanModeWidth)),
        std::string(freq.substr(0, kBandPlanFreqWidth)) };
}

std::string bandPlanPath(const std::string &dataFolder)
{
    return pathInFolder(dataFolder, kBandPlanFileName);
}

std::string bandPlanText(const BandPlan &plan)
{
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\" standalone=\"yes\"?>\r\n<bandplan>\r\n";
    const std::string *openBand = nullptr;
    for (const BandPlanRow &row : plan.rows) {
        if (openBand == nullptr || *openBand != row.band) {
            text += openBand == nullptr ? "    <band>\r\n" : "    </band>\r\n    <band>\r\n";
            text.append("        <value>").append(row.band).append("</value>\r\n");
            openBand = &row.band;
        }
        text.append("        <map>\r\n            <mode>").append(row.mode);
        text.append("</mode>\r\n            <freq>").append(row.freq).append("</freq>\r\n        </map>\r\n");
    }
    if (openBand != nullptr)
        text += "    </band>\r\n";
    text += "</bandplan>\r\n";
    return text;
}

bool parseBandPlan(std::string_view text, BandPlan &plan)
{
    plan.rows.clear();
    ReaderState state;
    bool anyLine = false;
    while (!text.empty()) {
        // Lines may end in CR LF, LF or CR; the empty line between CR and LF is skipped.
        const std::size_t end = text.find_first_of("\r\n");
        const std::string_view line = trimmed(text.substr(0, end));
        if (!line.empty()) {
            anyLine = true;
            readLine(line, state, plan);
        }
        if (end == std::string_view::npos)
            break;
        text.remove_prefix(end + 1);
    }
    return anyLine;
}

BandPlan defaultBandPlan()
{
    BandPlan plan;
    parseBandPlan(defaultBandPlanText(), plan);
    return plan;
}

LoadedBandPlan loadBandPlan(const std::string &dataFolder)
{
    LoadedBandPlan loaded;
    const auto text = readDataFile(bandPlanPath(dataFolder));
    if (!text || !parseBandPlan(*text, loaded.plan)) {
        loaded.plan = defaultBandPlan();
        loaded.isDefault = true;
    }
    return loaded;
}

bool saveBandPlan(const BandPlan &plan, const std::string &dataFolder)
{
    return writeDataFile(bandPlanPath(dataFolder), bandPlanText(plan));
}

std::string_view bandPlanModeClass(std::string_view mode)
{
    static constexpr std::array<std::string_view, 5> classes = { "SSB", "CW", "FT8", "AM", "FM" };
    for (const std::string_view c : classes) {
        if (mode == c)
            return c;
    }
    return "DIGI";
}

std::string frequencyForBand(const BandPlan &plan, std::string_view band, std::string_view mode)
{
    const std::string_view modeClass = bandPlanModeClass(mode);
    const BandPlanRow *fallback = nullptr;
    for (const BandPlanRow &row : plan.rows) {
        if (row.band != band)
            continue;
        if (row.mode == "ALL" || namesMode(row.mode, modeClass))
            return row.freq;
        if (namesMode(row.mode, "CW"))
            fallback = &row;
    }
    return fallback != nullptr ? fallback->freq : std::string();
}

} // namespace quillog
