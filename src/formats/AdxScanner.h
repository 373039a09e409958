// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quillog
{

/// One field of an ADX record, as raw text of the file (references not yet decoded).
struct AdxField {
    enum class Kind {
        Element, ///< an element named after the field: <CALL>AB1C</CALL>
        UserDefined, ///< <USERDEF FIELDNAME="MYFIELD">...</USERDEF>
        Application, ///< <APP PROGRAMID="N1MM" FIELDNAME="POINTS">...</APP>
    };
    Kind kind = Kind::Element;
    std::string_view element; ///< the element's name as written
    std::string_view programId; ///< the PROGRAMID attribute of an application field
    std::string_view fieldName; ///< the FIELDNAME attribute of a user-defined or application field
    /// Everything from the end of the opening tag to the next tag (CDATA sections and comments included).
    std::string_view value;
};

/// Walks the records of an ADX file field by field in one pass, without building a tree. Only the part
/// between "<RECORDS>" and "</RECORDS>" (any letter case) is read; a file without them is read after its
/// header. A record ends at "</RECORD>", at the next "<RECORD>" when the previous one was never closed,
/// or at "</RECORDS>". Closing tags of fields are not needed, and text that is not a well-formed tag is
/// skipped, so broken files are read as far as they make sense.
class AdxScanner
{
public:
    enum class Token { Field, EndOfRecord, End };

    /// Walks the whole text, or from start on when that is not 0: just after a record's end tag.
    explicit AdxScanner(std::string_view text, std::size_t start = 0);

    Token next(AdxField &field);
    /// Bytes consumed so far.
    std::size_t position() const { return m_pos; }

private:
    bool enterRecords();
    Token handleTag(std::string_view tag, AdxField &field, std::size_t valueStart);
    std::size_t valueEnd(std::size_t from) const;

    std::string_view m_text;
    std::size_t m_pos = 0;
    bool m_inRecords = false;
    bool m_recordOpen = false;
};

/// Just after the first "</RECORD>" tag at or after from; npos when there is none. Where a record may
/// begin: the tag may also lie inside a comment or a CDATA section.
std::size_t adxRecordBoundaryAfter(std::string_view text, std::size_t from);

/// The column name of a field, upper case: the element's name, the FIELDNAME of a user-defined field,
/// or "APP_" + PROGRAMID + "_" + FIELDNAME of an application field. Empty for a nameless field.
std::string adxFieldName(const AdxField &field);

/// The value of an attribute (name compared in any letter case) in the text of an opening tag, quoted
/// with double or single quotes or not at all; nothing found gives an empty view.
std::string_view xmlAttribute(std::string_view tag, std::string_view name, bool *found = nullptr);

} // namespace quillog
