// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/FileIo.h"

#include <ctime>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace quillog
{

/// Upper-case ADIF field name to its data-type letter.
using TypeMap = std::map<std::string, char, std::less<>>;

/// The flags the save commands hand to the writers.
struct SaveOptions {
    bool typeIndicator = false; ///< write each field's type letter after its length
    bool commaFrequency = false; ///< write FREQ with a decimal comma
    bool lowerCase = false; ///< write every tag in lower case
    bool noChecks = false; ///< write every record, without checks and report
    bool separateQsos = false; ///< an empty line after every record
    bool selectionOnly = false; ///< only the rows with a selected cell
    char csvSeparator = ';'; ///< the separator of a CSV file, "," or ";"
    /// When set, the save fails rather than replace a target that no longer has this stamp.
    std::optional<FileStamp> unchangedSince;
};

/// What the writers check against and put into the header.
struct SaveDefinitions {
    std::vector<std::string> modes;
    std::vector<std::string> bands;
    TypeMap typeMap;
    std::string adifVersion = "3.1.6";
    /// Written as PROGRAMID; empty means "Quillog".
    std::string programId;
    /// The time stamp of the header; the current time when empty.
    std::optional<std::time_t> now;
};

} // namespace quillog
