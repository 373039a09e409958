// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "definitions/ValueLists.h"

#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

enum class AddOutcome { Added, Ignored, Duplicate, BadFormat };

struct AddResult {
    AddOutcome outcome = AddOutcome::Ignored;
    std::string message; ///< the warning to show, empty when there is none
};

/// The rules of the band, mode and submode list editor; the dialog shows entries() and passes the
/// operator's actions on.
class ListEditor
{
public:
    ListEditor(ValueListKind kind, std::vector<std::string> defaults, std::vector<std::string> entries);
    /// Takes the defaults from the template resource and starts from the operator's file when it can be
    /// read, else from the defaults.
    static ListEditor open(
        ValueListKind kind, const std::string &templatePath, const std::string &dataFolder);

    ValueListKind kind() const { return m_kind; }
    const std::vector<std::string> &entries() const { return m_entries; }

    /// "Bands", "Modes" or "Submodes".
    std::string_view windowTitle() const;
    /// "Add Band", "Add Mode" or "Add Submode".
    std::string_view addDialogTitle() const;
    /// The label over the value field of the Add dialog.
    std::string_view addDialogLabel() const;
    /// Delete is offered while at least one entry is selected.
    static bool canDelete(int selectedCount) { return selectedCount > 0; }

    /// Appends a value as typed, unless it is empty, already listed (letter case ignored) or, for
    /// submodes, not of the form SUBMODE=MODE.
    AddResult add(std::string_view value);
    /// Removes the entries at the given rows; rows out of range are ignored.
    void remove(const std::vector<int> &rows);
    /// Puts the defaults back in the editor; nothing is written.
    void restoreDefaults();
    /// Writes the operator's file; false when it could not be written (the old file then stays).
    bool save(const std::string &dataFolder) const;

private:
    ValueListKind m_kind;
    std::vector<std::string> m_defaults;
    std::vector<std::string> m_entries;
};

} // namespace quillog
