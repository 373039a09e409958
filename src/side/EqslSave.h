// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogSaver.h"

#include <string_view>

namespace quillog
{

/// The PROGRAMID a saved eQSL selection carries: the records come from the eQSL inbox download.
inline constexpr std::string_view kEqslSourceProgramId = "eQSL.cc DownloadInBox";

/// Writes the records an eQSL comparison selected as an ADI file with the operator's writing options.
SaveResult saveEqslSelection(const std::string &path, const LogTable &records, const SaveOptions &options,
    SaveDefinitions definitions, Progress &progress);

} // namespace quillog
