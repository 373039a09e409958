// SPDX-License-Identifier: GPL-3.0-or-later
#include "side/EqslSave.h"

#include "formats/AdiWriter.h"

namespace quillog
{

SaveResult saveEqslSelection(const std::string &path, const LogTable &records, const SaveOptions &options,
    SaveDefinitions definitions, Progress &progress)
{
    definitions.programId = kEqslSourceProgramId;
    SaveOptions whole = options;
    whole.selectionOnly = false; // the selection is the whole result grid
    return writeAdiFile(path, records, whole, definitions, progress);
}

} // namespace quillog
