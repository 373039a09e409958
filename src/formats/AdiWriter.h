// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogSaver.h"

namespace quillog
{

/// The tagged ADIF layout: a header of free text and header fields, then one line per record.
class AdiFormat : public SaveFormat
{
public:
    void appendHeader(
        std::string &out, const SaveOptions &options, const SaveDefinitions &definitions) const override;
    void appendRecord(std::string &out, const std::vector<PreparedField> &fields,
        const SaveOptions &options) const override;
    void appendFooter(std::string &, const SaveOptions &) const override { }
    bool reportsFrequencyWarning() const override { return true; }
};

/// Writes the table as an ADI file; see saveLog().
SaveResult writeAdiFile(const std::string &path, const LogTable &table, const SaveOptions &options,
    const SaveDefinitions &definitions, Progress &progress);

/// Appends one ADI tag: "<" name ":" length [":" type] ">", lower-cased on request.
void appendAdiTag(std::string &out, std::string_view name, std::size_t length, char type, bool lowerCase);

/// "%d %b, %Y at %H:%M" in UTC with English month names, e.g. "08 Dec, 2026 at 14:05".
std::string adiTimestamp(std::time_t time);

} // namespace quillog
