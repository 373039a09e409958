// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/FormatRegistry.h"

#include "core/Text.h"
#include "formats/AdiReader.h"
#include "formats/AdiWriter.h"
#include "formats/AdxReader.h"
#include "formats/AdxWriter.h"
#include "formats/CabrilloReader.h"
#include "formats/CharacterGridReader.h"
#include "formats/CsvReader.h"
#include "formats/CsvWriter.h"
#include "formats/CtReader.h"
#include "formats/TrlogReader.h"
#include "settings/RecentFiles.h"

#include <array>

namespace quillog
{

namespace
{

constexpr std::string_view allFilesFilter = "All Log files (*.*)|*.*|";

const AdiReader adiReader;
const AdiFormat adiWriter;
const AdxReader adxReader;
const AdxFormat adxWriter;
const CabrilloReader cabrilloReader;
const CsvReader csvReader;
const CsvFormat csvWriter;
const CtReader ctReader;
const TrlogReader trlogReader;
const CharacterGridReader characterGridReader;

// The first entry is the program's own format, the default of every save.
const std::array formats {
    LogFormat { "ADI", LogFileType::TypeAdif, "adi", "ADIF files (*.adi, *adif)|*.adi*|", "", &adiReader,
        &adiWriter },
    LogFormat { "ADX", LogFileType::TypeAdx, "adx", "ADX files (*.adx)|*.adx|", "ADX files (*.adx)|*adx|",
        &adxReader, &adxWriter },
    LogFormat { "Cabrillo", LogFileType::TypeCabrillo, "cbr", "", "Cabrillo files (*.cbr)|*.cbr|",
        &cabrilloReader, nullptr },
    LogFormat {
        "CSV", LogFileType::TypeCsv, "csv", "", "Excel CSV files (*.csv)|*.csv|", &csvReader, &csvWriter },
    LogFormat { "CT", LogFileType::TypeCtBinary, "bin", "", "CT files (*.bin)|*.bin|", &ctReader, nullptr },
    LogFormat { "TRLOG", LogFileType::TypeTrlogTable, "dat", "", "TRLOG files (*.dat)|*.dat|", &trlogReader,
        nullptr },
    // Any other text: tab-separated or unrecognised, one character per cell.
    LogFormat { "Text", LogFileType::TypeTabSeparated, "txt", "", "", &characterGridReader, nullptr },
};

} // namespace

std::span<const LogFormat> logFormats()
{
    return formats;
}

const LogFormat *formatOfType(LogFileType type)
{
    for (const LogFormat &format : formats) {
        if (format.type == type && type != LogFileType::TypeUnrecognised)
            return &format;
    }
    return nullptr;
}

const LogReader *readerFor(LogFileType type)
{
    if (type == LogFileType::TypeUnrecognised)
        return &characterGridReader;
    const LogFormat *format = formatOfType(type);
    return format != nullptr ? format->reader : nullptr;
}

const LogReader &textGridReader()
{
    return characterGridReader;
}

bool hasExtension(std::string_view path, std::string_view extension)
{
    return path.size() > extension.size() && path[path.size() - extension.size() - 1] == '.'
        && equalsIgnoreCase(path.substr(path.size() - extension.size()), extension);
}

const LogFormat &formatForSavePath(std::string_view path)
{
    // Save writes what its dialog offers; a spreadsheet file is written by Save as Excel CSV only.
    for (const LogFormat &format : formats) {
        if (format.writer != nullptr && !format.saveFilter.empty() && hasExtension(path, format.extension))
            return format;
    }
    return formats.front();
}

const LogFormat &formatForOutputPath(std::string_view path)
{
    for (const LogFormat &format : formats) {
        if (format.writer != nullptr && hasExtension(path, format.extension))
            return format;
    }
    return formats.front();
}

ClassifiedLog classifyLog(const std::string &path)
{
    const LogFileTypeResult detected = detectLogFileType(path);
    ClassifiedLog log { detected.type, detected.wideSource, readerFor(detected.type), detected.message };
    if (detected.type == LogFileType::TypeMissing)
        log.refusal = missingRecentFileMessage;
    else if (log.refusal.empty() && log.reader == nullptr)
        log.refusal = cannotImportMessage;
    if (!log.refusal.empty())
        log.reader = nullptr;
    return log;
}

std::string openDialogFilter()
{
    return std::string(formats.front().saveFilter) + std::string(allFilesFilter);
}

std::string saveDialogFilter()
{
    std::string filter;
    for (const LogFormat &format : formats)
        filter += format.saveFilter;
    return filter + std::string(allFilesFilter);
}

std::string importDialogFilter()
{
    std::string filter(allFilesFilter);
    for (const LogFormat &format : formats)
        filter += format.importFilter;
    return filter;
}

} // namespace quillog
