// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

/// A contest's exchange layout for the Cabrillo import: the contest name as a Cabrillo log spells it and
/// a ";"-separated field list whose items are an ADIF field name, an optional "(description)" and an
/// optional ":width", for example "MY_CALL:13;RST_SENT:3;STX (Sent serial):6".
struct ContestTemplate {
    std::string name;
    std::string fields;

    friend bool operator==(const ContestTemplate &, const ContestTemplate &) = default;
};

inline constexpr std::size_t kContestNameWidth = 23;
inline constexpr std::size_t kContestFieldsWidth = 311;

/// The template every list starts with; a library template of the same name replaces it.
ContestTemplate genericContestTemplate();

/// Adds a template, cut to the name and field list widths, after removing every template of the same
/// name. Templates with an empty name or field list are not added.
void addContestTemplate(
    std::vector<ContestTemplate> &templates, std::string_view name, std::string_view fields);

/// Reads the "<contest><name>...</name><content>...</content></contest>" blocks of the library text
/// into the list, in order, each replacing an earlier template of its name.
void parseContestTemplates(std::string_view text, std::vector<ContestTemplate> &templates);

} // namespace quillog
