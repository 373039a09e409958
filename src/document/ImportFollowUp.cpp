// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/ImportFollowUp.h"

#include "core/LogTable.h"
#include "core/UndoJournal.h"
#include "formats/FormatRegistry.h"
#include "tools/GluedBandMode.h"

namespace quillog
{

const LogReader *importReaderFor(LogFileType type, bool asTrlog)
{
    if (type == LogFileType::TypeTrlogTable && !asTrlog)
        return &textGridReader();
    return type == LogFileType::TypeAdif ? nullptr : readerFor(type);
}

void finishImportedTable(const LogReader &reader, LogTable &table)
{
    if (&reader != readerFor(LogFileType::TypeTrlogTable))
        return;
    UndoJournal scratch(table);
    splitGluedBandMode(table, scratch);
}

} // namespace quillog
