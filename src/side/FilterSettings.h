// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

/// The filters of a filtered open, as filters.xml holds them. The list values are kept as the file
/// holds them: ";" followed by each entry and ";" (";20M;40M;").
struct FilterSettings {
    bool useDate = false;
    bool useBand = false;
    bool useMode = false;
    bool useSubmode = false;
    bool useZone = false;
    bool useOperator = false;
    bool useCall = false;
    bool useQslSent = false;
    bool useQslRcvd = false;
    bool useContinent = false;
    std::string qslSent; ///< "", "Y", "N" or "YN"; "N" stands for "N or blank"
    std::string qslRcvd;
    std::string continents; ///< ";EU;NA;"
    std::string operatorCall;
    std::string callsign;
    long long dateFrom = 0; ///< seconds since 1970 of the local midnight that starts the first day
    long long dateTo = 0; ///< the same for the last day, or its 23:59:59 when both are one day
    /// The chosen entries; nothing when the file holds no line for the list.
    std::optional<std::string> bands, modes, submodes, zones;
};

/// The lists that the value choosers of the Filters dialog write one line each of.
enum class FilterList { Bands, Modes, Submodes, Zones };

/// The settings of a filters.xml text: each line counts for the first element tag it contains, its
/// value running to the next "<"; a later line for the same setting wins. Switches are on for "Y".
FilterSettings parseFilterText(std::string_view text);

/// The text the Filters dialog writes: every setting in its fixed order, the lists as they are.
std::string filterText(const FilterSettings &settings);

/// The list line for the chosen entries: "<bands>;20M;40M;</bands>".
std::string filterListLine(FilterList list, const std::vector<std::string> &chosen);

/// True when ";" + entry + ";" stands in a list value (";20M;40M;").
bool filterListHas(std::string_view value, std::string_view entry);

/// The value of one list as a set of entries, from a list line's value.
std::optional<std::string> &filterListValue(FilterSettings &settings, FilterList list);

/// The outcome of reading filters.xml.
struct FilterFile {
    bool ok = false; ///< false when the file exists but cannot be used; message says why
    bool exists = false; ///< a missing file means no filter is on
    FilterSettings settings;
    std::string message;
};

/// The largest filters.xml read; a bigger one is refused rather than read into memory.
inline constexpr std::size_t maxFilterFileSize = 1u << 20;

FilterFile readFilterFile(const std::string &path);

/// Writes the Filters dialog's settings into filters.xml safely (a new file renamed into place), keeping
/// the list lines the file holds, which the value choosers wrote. On failure the message says why and
/// the old file stays.
bool writeFilterDialog(const std::string &path, const FilterSettings &settings, std::string &message);

/// Writes one value chooser's list line into filters.xml safely, keeping every other line.
bool writeFilterList(
    const std::string &path, FilterList list, const std::vector<std::string> &chosen, std::string &message);

/// The path of filters.xml in the data folder.
std::string filterFilePath(const std::string &dataFolder);

/// Seconds since 1970 of the local midnight that starts the day (or of its 23:59:59 with endOfDay);
/// nothing for a date the clock cannot hold.
std::optional<long long> localDaySeconds(int year, int month, int day, bool endOfDay = false);

/// The local date of stored seconds as year, month, day.
struct LocalDate {
    int year = 1970, month = 1, day = 1;
};
std::optional<LocalDate> localDateOf(long long seconds);

} // namespace quillog
