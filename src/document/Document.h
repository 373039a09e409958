// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/LogValidation.h"
#include "core/LogTable.h"
#include "core/UndoJournal.h"
#include "definitions/Definitions.h"
#include "document/Host.h"
#include "formats/LogFileType.h"
#include "formats/LogReader.h"
#include "formats/LogWriter.h"
#include "settings/RecentFiles.h"
#include "settings/Settings.h"
#include "side/FilterSettings.h"

#include <array>
#include <atomic>
#include <optional>
#include <string>

namespace quillog
{

class Host;
class KeyValueStore;

/// The open log and the commands that load, save and close it: the busy test of the worker slots, the
/// file-type test, which reader or writer runs, the flags, the title, the status panes and the prompts.
/// It talks to the platform only through the Host.
class Document
{
public:
    Document(Host &host, KeyValueStore &store, std::string programFolder, std::string dataFolder);

    /// Reads the settings, the definitions and the recent files, and gives the table its empty shape.
    void start();

    // Commands of the File menu.
    void open();
    /// A recent file, a file named on the command line or a dropped file.
    void openPath(const std::string &path);
    void reload();
    void merge();
    /// Open Filtered after the Filters dialog's OK: writes its settings into filters.xml, then opens a
    /// log keeping only the QSOs that pass them.
    void openFiltered(const FilterSettings &settings);
    void import();
    void save();
    void saveAs();
    void saveSelected();
    /// The first steps of Split: false when a worker runs or there is nothing to save; warns about
    /// missing required columns. The window then asks for the count.
    bool beginSplit();
    /// Split with the count chosen: asks for the target, asks once before replacing existing parts and
    /// writes the parts in the save slot.
    void split(int count);
    /// The warning of a split count larger than the number of QSOs, or empty when the count will do.
    std::string splitCountProblem(int count) const;
    /// Adds one QSO typed by hand (ADI fields) as a new last row, as one undoable step.
    void addRecord(std::string_view record);
    /// Save as Excel CSV: writes the log for a spreadsheet; the log's state does not change.
    void saveAsCsv();
    /// Asks about unsaved changes; true when the window may close.
    bool close();
    void openRecent(int commandId);

    /// The log check in the check slot; colours the invalid cells and shows the closing message.
    void check();
    /// Next / Previous Invalid QSO: the row to scroll to (the cursor stays when there is none further).
    int nextInvalidQso();
    int previousInvalidQso();
    bool canStepThroughInvalid() const { return m_logOpen && m_invalidFound; }
    /// The full ADIF validation with the profile in the check slot: colours the cells with findings as
    /// the check does, so that Next and Previous Invalid QSO step through them, and puts the summary in
    /// status pane 0. Nothing when refused (busy, no log) or the ADIF tables are missing (error shown).
    std::optional<ValidationReport> validate(const ValidationProfile &profile);

    // Edit menu.
    UndoEffect undo();
    UndoEffect redo();

    /// Reads the settings again (after the Options dialog) or the definitions (after a list editor).
    void reloadSettings();
    void reloadDefinitions();

    LogTable &table() { return m_table; }
    const LogTable &table() const { return m_table; }
    UndoJournal &journal() { return m_journal; }
    const Settings &settings() const { return m_settings; }
    const Definitions &definitions() const { return m_definitions; }
    const RecentFiles &recentFiles() const { return m_recent; }
    const std::string &currentPath() const { return m_currentPath; }
    const std::string &dataFolder() const { return m_dataFolder; }
    std::string title() const;

    bool isLogOpen() const { return m_logOpen; }
    bool isModified() const { return m_journal.isModified(); }
    bool needsNewName() const { return m_needsNewName; }
    bool invalidFound() const { return m_invalidFound; }
    void setInvalidFound(bool found) { m_invalidFound = found; }
    bool isBusy() const;
    /// True while a merge's worker runs (the grid keeps its shape; other loads start it afresh).
    bool isMerging() const { return m_merging; }
    /// Shows "Current thread is still running.\nPlease wait..." and returns true while a worker runs.
    bool refuseWhenBusy();
    /// Runs a long column tool on a worker in the slot, behind the progress window. Returns false after
    /// the busy message while another worker runs, and after an error box naming `what` when it threw.
    bool runTool(WorkerSlot slot, const std::string &what, const std::function<void(Progress &)> &work);

    // What the menus enable.
    bool canReload() const { return m_logOpen && !m_needsNewName; }
    bool canSave() const { return m_logOpen && isModified(); }

    /// Status pane 2's text, "   QSOs: %i".
    std::string qsoCountText() const;

    /// After a save that rejected records: offers to open the report.
    void reportSave(const SaveResult &result, bool frequencyWarning);

private:
    enum class LoadKind { Replace, Merge, Import };

    /// Runs work in the slot; returns what the worker threw, as text (empty when it finished).
    std::string runInSlot(WorkerSlot slot, const std::function<void(Progress &)> &work);
    /// The error box after a worker threw: what failed and why; the log stays as it was.
    void reportWorkerFailure(const std::string &what, const std::string &failure);
    Answer askToSave(const char *question);
    bool mayReplaceLog();
    void openAdif(const std::string &path, const ReadOptions &filter = {});
    LogFileType fileType(const std::string &path);
    bool isAdifOrWarn(const std::string &path);
    /// Reads path into the table; Replace and Import make it the current path. filter: the records kept.
    void load(LoadKind kind, const std::string &path, const ReadOptions &filter = {});
    /// numbered: the read gave the rows their numbers (false when memory ran out or the read failed).
    void finishLoad(const ReadResult &result, bool numbered, LoadKind kind);
    void clearLog();
    bool mayWriteTable();
    bool saveTo(bool askForName, bool selectionOnly);
    bool mayOverwrite(const std::string &path, SaveOptions &options);
    void rememberDiskFile(const std::string &path);
    void warnAboutMissingColumns();
    void refreshTitle();
    std::string currentFolder() const;
    std::string proposedSaveName() const;
    void refreshCount();

    Host &m_host;
    KeyValueStore &m_store;
    std::string m_programFolder;
    std::string m_dataFolder;
    LogTable m_table;
    UndoJournal m_journal { m_table };
    Settings m_settings;
    Definitions m_definitions;
    RecentFiles m_recent;
    std::string m_currentPath;
    // The file the table was last read from or saved to, as it was then: a save over it asks first
    // when another program has changed it since.
    std::string m_diskPath;
    std::optional<FileStamp> m_diskStamp;
    LogFileType m_fileType = LogFileType::TypeUnrecognised;
    const LogReader *m_importReader = nullptr; ///< the reader the last import chose
    bool m_wideSource = false;
    std::array<std::atomic<bool>, 4> m_slots {};
    bool m_logOpen = false;
    bool m_needsNewName = false;
    bool m_invalidFound = false;
    bool m_merging = false;
    int m_invalidCursor = 0;
};

} // namespace quillog
