// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/MessageKind.h"

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace quillog
{

class Progress;

enum class BoxButtons { Ok, YesNo, YesNoCancel };
enum class Answer { Ok, Yes, No, Cancel };

/// A file dialog's request. The filter is written as "Text|patterns|Text|patterns|", e.g.
/// "ADIF files (*.adi, *adif)|*.adi*|All Log files (*.*)|*.*|"; the host turns it into its own form.
struct FileDialogRequest {
    std::string title;
    std::string filter;
    std::string defaultExtension; ///< without the dot; empty for none
    /// Where the dialog starts: a folder to open in or, for a save, the file name to propose. Empty
    /// leaves it to the host (the last folder used, else the home folder).
    std::string startPath;
    /// Whether a save dialog asks before the chosen name replaces a file; a command that writes other
    /// files than the one chosen (the split parts) asks itself.
    bool confirmOverwrite = true;
};

/// The four worker slots; at most one worker runs at a time.
enum class WorkerSlot { Load, Import, Check, Save };

/// Everything the document needs from the platform: message boxes, file dialogs, running a worker
/// with the progress window, and telling the window what changed. All calls come from the user-interface
/// thread, except those a worker makes through its Progress.
class Host
{
public:
    virtual ~Host() = default;

    /// Shows a modal message box with the caption "Quillog" and returns the button pressed.
    virtual Answer message(BoxKind kind, std::string_view text, BoxButtons buttons = BoxButtons::Ok) = 0;
    virtual std::optional<std::string> chooseFileToOpen(const FileDialogRequest &request) = 0;
    /// Asks before replacing an existing file, unless the request says otherwise.
    virtual std::optional<std::string> chooseFileToSave(const FileDialogRequest &request) = 0;

    /// Runs work on a worker thread while the modal progress window shows, and returns when it has
    /// finished. The view must not read the table meanwhile. Stop clears the Progress's running flag.
    virtual void runWorker(WorkerSlot slot, const std::function<void(Progress &)> &work) = 0;

    virtual void titleChanged(std::string_view title) = 0;
    /// Pane 0: messages; 1: cell position; 2: QSO count.
    virtual void statusChanged(int pane, std::string_view text) = 0;
    /// The table was replaced or reshaped (rows, columns or headers); the view starts afresh.
    virtual void tableReset() = 0;
    /// The recent-files list changed; the menu is rebuilt.
    virtual void recentFilesChanged() = 0;
    /// Opens a file with the desktop's default program for it (the save report).
    virtual void openWithDefaultProgram(const std::string &path) = 0;
};

} // namespace quillog
