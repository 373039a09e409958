// SPDX-License-Identifier: GPL-3.0-or-later
#include "definitions/ListEditor.h"

#include "core/Text.h"

#include <algorithm>

namespace quillog
{

ListEditor::ListEditor(
    ValueListKind kind, std::vector<std::string> defaults, std::vector<std::string> entries)
    : m_kind(kind)
    , m_defaults(std::move(defaults))
    , m_entries(std::move(entries))
{
}

ListEditor ListEditor::open(
    ValueListKind kind, const std::string &templatePath, const std::string &dataFolder)
{
    std::vector<std::string> defaults = readDefaultList(kind, templatePath);
    auto entries = readListFile(listFilePath(dataFolder, kind));
    if (!entries)
        entries = defaults;
    return ListEditor(kind, std::move(defaults), std::move(*entries));
}

std::string_view ListEditor::windowTitle() const
{
    switch (m_kind) {
    case ValueListKind::Bands:
        return "Bands";
    case ValueListKind::Modes:
        return "Modes";
    case ValueListKind::Submodes:
        break;
    }
    return "Submodes";
}

std::string_view ListEditor::addDialogTitle() const
{
    switch (m_kind) {
    case ValueListKind::Bands:
        return "Add Band";
    case ValueListKind::Modes:
        return "Add Mode";
    case ValueListKind::Submodes:
        break;
    }
    return "Add Submode";
}

std::string_view ListEditor::addDialogLabel() const
{
    switch (m_kind) {
    case ValueListKind::Bands:
        return "BAND";
    case ValueListKind::Modes:
        return "MODE";
    case ValueListKind::Submodes:
        break;
    }
    return "Format: SUBMODE=MODE";
}

AddResult ListEditor::add(std::string_view value)
{
    if (value.empty())
        return { AddOutcome::Ignored, {} };
    const bool listed = std::ranges::any_of(
        m_entries, [&](const std::string &entry) { return equalsIgnoreCase(entry, value); });
    if (listed)
        return { AddOutcome::Duplicate, "Selected value already exists" };
    if (m_kind == ValueListKind::Submodes && value.find('=') == std::string_view::npos)
        return { AddOutcome::BadFormat, "Please use SUBMODE=MODE format, for example FSK31=PSK" };
    m_entries.emplace_back(value);
    return { AddOutcome::Added, {} };
}

void ListEditor::remove(const std::vector<int> &rows)
{
    std::vector<bool> removed(m_entries.size(), false);
    for (const int row : rows) {
        if (row >= 0 && static_cast<std::size_t>(row) < m_entries.size())
            removed[static_cast<std::size_t>(row)] = true;
    }
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (!removed[i])
            kept.push_back(std::move(m_entries[i]));
    }
    m_entries = std::move(kept);
}

void ListEditor::restoreDefaults()
{
    m_entries = m_defaults;
}

bool ListEditor::save(const std::string &dataFolder) const
{
    return writeListFile(listFilePath(dataFolder, m_kind), m_entries);
}

} // namespace quillog
