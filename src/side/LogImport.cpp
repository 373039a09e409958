// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/LogImport.h"

#include "core/LogTable.h"
#include "core/UndoJournal.h"
#include "formats/AdxReader.h"
#include "formats/CabrilloReader.h"
#include "formats/CharacterGridReader.h"
#include "formats/CsvReader.h"
#include "formats/CtReader.h"
#include "formats/TrlogReader.h"
#include "tools/GluedBandMode.h"

namespace quillog
{

std::optional<ImportReader> importReaderFor(LogFileType type, bool asTrlog)
{
    switch (type) {
    case LogFileType::TypeAdif:
        return std::nullopt;
    case LogFileType::TypeAdx:
        return ImportReader::Adx;
    case LogFileType::TypeCabrillo:
        return ImportReader::Cabrillo;
    case LogFileType::TypeCtBinary:
        return ImportReader::Ct;
    case LogFileType::TypeTrlogTable:
        return asTrlog ? ImportReader::Trlog : ImportReader::CharacterGrid;
    case LogFileType::TypeCsv:
        return ImportReader::Csv;
    case LogFileType::TypeTabSeparated:
    case LogFileType::TypeUnrecognised:
    case LogFileType::TypeMissing:
        break;
    }
    return ImportReader::CharacterGrid;
}

std::string_view importFailureMessage(ImportReader reader)
{
    return reader == ImportReader::Adx || reader == ImportReader::CharacterGrid ? "No valid entries found."
                                                                                : "No valid QSOs found.";
}

ImportResult importLog(ImportReader reader, const std::string &path, LogTable &table,
    const ImportSettings &settings, Progress &progress)
{
    switch (reader) {
    case ImportReader::Adx: {
        // The ADX reader's own texts are diagnostics for the command line; the import's warning says it all.
        ImportResult result = readAdxFile(path, table, progress);
        if (!result.ok)
            result.message.clear();
        return result;
    }
    case ImportReader::Cabrillo:
        return readCabrilloFile(path, table, { settings.contests, settings.decimalComma }, progress);
    case ImportReader::Ct:
        return readCtFile(path, table, progress);
    case ImportReader::Csv:
        return readCsvFile(path, table, progress);
    case ImportReader::CharacterGrid:
        return readCharacterGridFile(path, table, progress);
    case ImportReader::Trlog:
        break;
    }
    const ImportResult result = readTrlogFile(path, table, progress);
    if (result.ok) {
        // The split is part of reading the listing, not an edit: its undo steps go nowhere.
        UndoJournal scratch(table);
        splitGluedBandMode(table, scratch);
    }
    return result;
}

} // namespace quillog
