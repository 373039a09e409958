// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "formats/LogSaver.h"

#include <ctime>

namespace quillog
{

/// The XML layout of ADIF: a declaration, a header of elements, then one block per record with one
/// element per field. Values are written as UTF-8 (cells in Windows-1252 are converted) and escaped.
class AdxFormat : public SaveFormat
{
public:
    /// Writes every QSO row: selectionOnly is ignored.
    SaveResult write(const std::string &path, const LogTable &table, const SaveOptions &options,
        const SaveDefinitions &definitions, Progress &progress) const override;
    void appendHeader(
        std::string &out, const SaveOptions &options, const SaveDefinitions &definitions) const override;
    void appendRecord(std::string &out, const std::vector<PreparedField> &fields,
        const SaveOptions &options) const override;
    void appendFooter(std::string &out, const SaveOptions &options) const override;
    bool reportsFrequencyWarning() const override { return false; }
    std::size_t unwritableCharacters(const std::vector<PreparedField> &fields) const override;
};

/// Writes every QSO row of the table as an ADX file (selectionOnly is ignored); see saveLog().
SaveResult writeAdxFile(const std::string &path, const LogTable &table, const SaveOptions &options,
    const SaveDefinitions &definitions, Progress &progress);

/// Appends one field line: "    <NAME>value</NAME>\r\n". A name of the form APP_<program>_<field>
/// becomes an APP element with PROGRAMID and FIELDNAME attributes; a name that cannot be an XML element
/// name becomes a USERDEF element with a FIELDNAME attribute.
void appendAdxField(std::string &out, const PreparedField &field, bool lowerCase);

/// "%Y%m%d %H%M%S" in UTC, e.g. "20241208 120500".
std::string adxTimestamp(std::time_t time);

} // namespace quillog
