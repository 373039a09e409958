// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Document.h"

#include "check/InvalidQsoNavigation.h"
#include "check/LogCheck.h"
#include "core/FileIo.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "document/Host.h"
#include "formats/AdiReader.h"
#include "formats/FormatRegistry.h"
#include "formats/LogSaver.h"
#include "formats/SaveSettings.h"
#include "settings/KeyValueStore.h"

#include <exception>
#include <filesystem>
#include <new>

namespace quillog
{

namespace
{

constexpr const char *busyMessage = "Current thread is still running.\nPlease wait...";
constexpr const char *notAdifMessage = "This file is not ADIF formatted.\nPlease use Import menu to open it.";
constexpr const char *adifForImportMessage = "This file is ADIF formatted.\nPlease open this file directly.";
constexpr const char *nothingToSaveMessage = "Nothing to save.";
constexpr const char *stoppedBeforeRecordsMessage = "Reading was stopped before any QSO was read.";
constexpr const char *changedOnDiskQuestion
    = "The file has changed on disk since it was opened. Overwrite it?";
constexpr const char *requiredColumnsMessage
    = "In order to save ADIF log correctly, you need to enter all required "
      "column names (CALL, QSO_DATE, etc).";
constexpr const char *reloadQuestion
    = "The opened log is modified.\nDo you want to save changes?\n\nYes:\tSaves your "
      "changes\nNo:\tDiscards your changes\nCancel:\tKeeps this log open";
constexpr const char *closeQuestion
    = "Do you want to save changes?\n\nYes:\tSaves your changes\nNo:\tDiscards your "
      "changes\nCancel:\tKeeps this log open";

std::size_t slotIndex(WorkerSlot slot)
{
    return static_cast<std::size_t>(slot);
}

} // namespace

Document::Document(Host &host, KeyValueStore &store, std::string programFolder, std::string dataFolder)
    : m_host(host)
    , m_store(store)
    , m_programFolder(std::move(programFolder))
    , m_dataFolder(std::move(dataFolder))
{
}

void Document::start()
{
    reloadSettings();
    m_table.setColumnCount(15);
    m_table.setRowCount(26);
    m_table.setFixedRowCount(1);
    m_table.setFixedColumnCount(0);
    reloadDefinitions();
    m_recent.read(m_store);
    m_host.recentFilesChanged();
    m_host.statusChanged(1, "");
    refreshCount();
    refreshTitle();
    m_host.tableReset();
}

void Document::reloadSettings()
{
    m_settings = readSettings(m_store);
}

void Document::reloadDefinitions()
{
    DefinitionsLoad load = loadDefinitions(
        findTemplateResource(m_programFolder, m_dataFolder), m_dataFolder, std::move(m_definitions));
    m_definitions = std::move(load.definitions);
    if (!load.ok)
        m_host.message(BoxKind::Error, load.message);
}

bool Document::isBusy() const
{
    for (const auto &slot : m_slots) {
        if (slot.load())
            return true;
    }
    return false;
}

bool Document::refuseWhenBusy()
{
    if (!isBusy())
        return false;
    m_host.message(BoxKind::Information, busyMessage);
    return true;
}

bool Document::runTool(WorkerSlot slot, const std::string &what, const std::function<void(Progress &)> &work)
{
    if (refuseWhenBusy())
        return false;
    const std::string failure = runInSlot(slot, work);
    if (!failure.empty())
        reportWorkerFailure(what, failure);
    return failure.empty();
}

std::string Document::runInSlot(WorkerSlot slot, const std::function<void(Progress &)> &work)
{
    // Nothing a worker throws may cross into the host's thread: it becomes the caller's message.
    std::string failure;
    m_slots[slotIndex(slot)] = true;
    m_host.runWorker(slot, [&](Progress &progress) {
        try {
            work(progress);
        } catch (const std::bad_alloc &) {
            failure = notEnoughMemoryMessage;
        } catch (const std::exception &error) {
            failure = error.what();
        } catch (...) {
            failure = "an unexpected error";
        }
    });
    m_slots[slotIndex(slot)] = false;
    return failure;
}

void Document::reportWorkerFailure(const std::string &what, const std::string &failure)
{
    // Running out of memory is said in the same words by every command.
    const std::string text = failure == notEnoughMemoryMessage ? failure : what + " failed: " + failure + ".";
    m_host.message(BoxKind::Error, text + "\nThe log was left as it was.");
    m_host.statusChanged(0, "Ready");
}

// A command that replaces the open log first offers to save unsaved changes: Yes saves and ends the
// command, No goes on, Cancel ends it.
bool Document::mayReplaceLog()
{
    if (!m_logOpen || !isModified())
        return true;
    const Answer answer = m_host.message(BoxKind::Question, reloadQuestion, BoxButtons::YesNoCancel);
    if (answer == Answer::Yes && saveTo(m_needsNewName, false))
        m_journal.markSaved();
    return answer == Answer::No;
}

LogFileType Document::fileType(const std::string &path)
{
    const LogFileTypeResult result = detectLogFileType(path);
    if (!result.message.empty())
        m_host.message(BoxKind::Warning, result.message);
    m_wideSource = result.wideSource;
    m_fileType = result.type;
    return result.type;
}

bool Document::isAdifOrWarn(const std::string &path)
{
    const LogFileType type = fileType(path);
    if (type == LogFileType::TypeAdif)
        return true;
    // A file that vanished after it was chosen is not "not ADIF": say what happened.
    m_host.message(
        BoxKind::Warning, type == LogFileType::TypeMissing ? missingRecentFileMessage : notAdifMessage);
    return false;
}

void Document::open()
{
    if (refuseWhenBusy() || !mayReplaceLog())
        return;
    const auto path = m_host.chooseFileToOpen({ "Open ADIF Files", openDialogFilter(), "" });
    if (!path)
        return;
    choosePath(*path);
    if (!isAdifOrWarn(m_currentPath))
        return;
    if (m_recent.add(m_currentPath, m_store))
        m_host.recentFilesChanged();
    load(LoadKind::Replace);
}

void Document::openPath(const std::string &path)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        if (m_recent.remove(path, m_store))
            m_host.recentFilesChanged();
        m_host.message(BoxKind::Warning, missingRecentFileMessage);
        return;
    }
    if (refuseWhenBusy() || !mayReplaceLog())
        return;
    choosePath(path);
    if (!isAdifOrWarn(m_currentPath))
        return;
    if (m_recent.add(m_currentPath, m_store))
        m_host.recentFilesChanged();
    load(LoadKind::Replace);
}

void Document::choosePath(const std::string &path)
{
    m_previousPath = m_currentPath;
    m_currentPath = path;
}

void Document::openRecent(int commandId)
{
    const std::string path = m_recent.pathForCommand(commandId);
    if (!path.empty())
        openPath(path);
}

void Document::reload()
{
    if (refuseWhenBusy() || !mayReplaceLog())
        return;
    choosePath(m_currentPath);
    if (isAdifOrWarn(m_currentPath))
        load(LoadKind::Replace);
}

void Document::merge()
{
    if (refuseWhenBusy())
        return;
    const auto path = m_host.chooseFileToOpen({ "Open ADIF Files", openDialogFilter(), "" });
    if (!path)
        return;
    choosePath(*path);
    if (isAdifOrWarn(m_currentPath))
        load(LoadKind::Merge);
}

void Document::import()
{
    if (refuseWhenBusy() || !mayReplaceLog())
        return;
    const auto path = m_host.chooseFileToOpen({ "Import Log Files", importDialogFilter(), "" });
    if (!path)
        return;
    choosePath(*path);
    const LogFileType type = fileType(m_currentPath);
    if (type == LogFileType::TypeAdif)
        m_host.message(BoxKind::Warning, adifForImportMessage);
    else if (readerFor(type) == nullptr)
        m_host.message(BoxKind::Warning, cannotImportMessage);
    else
        load(LoadKind::Import);
}

void Document::load(LoadKind kind)
{
    // Open, reload and merge only go ahead for ADIF; an import reads whatever its file-type test found.
    const LogReader &reader = *readerFor(kind == LoadKind::Import ? m_fileType : LogFileType::TypeAdif);
    const ReadOptions options { m_settings.ignoreBracket };
    // A new log is read beside the open one, which stays as it is should the reader fail unexpectedly;
    // a merge that fails so is cut back to the rows and columns the log had.
    LogTable fresh;
    const int rows = m_table.rowCount(), columns = m_table.columnCount();
    ReadResult result;
    // Taken before the read: a change made while it runs counts as a change since it was opened.
    const std::optional<FileStamp> stamp = fileStamp(m_currentPath);
    const std::string failure = runInSlot(
        kind == LoadKind::Import ? WorkerSlot::Import : WorkerSlot::Load, [&](Progress &progress) {
            if (kind == LoadKind::Merge)
                result = AdiReader().merge(m_currentPath, m_wideSource, m_table, options, progress);
            else
                result = reader.readFile(m_currentPath, m_wideSource, fresh, options, progress);
        });
    if (!failure.empty()) {
        if (kind == LoadKind::Merge) {
            m_table.setRowCount(rows);
            m_table.setColumnCount(columns);
        }
        m_host.tableReset();
        reportWorkerFailure("Reading " + m_currentPath, failure);
        m_currentPath = m_previousPath;
        return;
    }
    if (result.ok && kind != LoadKind::Merge)
        m_table = std::move(fresh);
    if (result.ok && kind == LoadKind::Replace) {
        m_diskPath = m_currentPath;
        m_diskStamp = stamp;
    }
    finishLoad(result, kind);
}

void Document::finishLoad(const ReadResult &result, LoadKind kind)
{
    const bool numbered = result.ok && m_table.addRowNumbers();
    if (numbered) {
        m_logOpen = true;
        m_invalidFound = false;
    } else {
        // A log read whose row numbers found no memory is no more use than one not read.
        m_host.message(BoxKind::Warning,
            result.ok            ? notEnoughMemoryMessage
                : result.stopped ? stoppedBeforeRecordsMessage
                                 : result.message);
        if (kind != LoadKind::Merge)
            clearLog();
    }
    m_host.tableReset();
    refreshCount();
    m_host.statusChanged(0, "Ready");
    if (kind != LoadKind::Merge)
        refreshTitle();
    m_journal.clear();
    // A merged or imported log, or one whose reading was stopped, is not the file on disk: Save asks
    // for a name.
    m_needsNewName = kind != LoadKind::Replace || result.stopped;
    if (!numbered)
        return;
    if (result.stopped) {
        m_host.message(BoxKind::Warning,
            "Reading was stopped after " + std::to_string(result.recordsRead) + " of "
                + std::to_string(result.records)
                + " QSOs.\nSaving will ask for a new file name, so that the file is not overwritten.");
    }
    if (const std::string problems = readProblemsText(result); !problems.empty())
        m_host.message(BoxKind::Warning, problems);
}

void Document::clearLog()
{
    m_logOpen = false;
    m_table.setRowCount(0);
    m_table.setColumnCount(15);
    m_table.setRowCount(26);
    m_table.setFixedRowCount(1);
    m_table.setFixedColumnCount(0);
}

void Document::save()
{
    saveTo(m_needsNewName, false);
}

void Document::saveAs()
{
    saveTo(true, false);
}

void Document::saveSelected()
{
    saveTo(true, true);
}

void Document::warnAboutMissingColumns()
{
    bool call = false, date = false, time = false, band = false, freq = false, mode = false;
    for (int column = m_table.fixedColumnCount(); column < m_table.columnCount(); ++column) {
        const std::string name = toUpper(trimmed(m_table.text(0, column)));
        call |= name == "CALL";
        date |= name == "QSO_DATE";
        time |= name.find("TIME") != std::string::npos;
        band |= name == "BAND";
        freq |= name == "FREQ";
        mode |= name == "MODE";
    }
    if (!call || !date || !time || !mode || (!band && !freq))
        m_host.message(BoxKind::Warning, requiredColumnsMessage);
}

bool Document::saveTo(bool askForName, bool selectionOnly)
{
    if (refuseWhenBusy())
        return false;
    if (m_table.rowCount() == 0 || m_table.columnCount() == 0) {
        m_host.message(BoxKind::Warning, nothingToSaveMessage);
        return false;
    }
    warnAboutMissingColumns();
    std::string path = m_currentPath;
    if (askForName) {
        const auto chosen = m_host.chooseFileToSave({ "Save ADIF File", saveDialogFilter(), "adi" });
        if (!chosen)
            return false;
        path = *chosen;
    }
    if (path.empty())
        return false;

    reloadDefinitions();
    SaveOptions options = saveOptionsFor(m_settings, selectionOnly);
    if (!mayOverwrite(path, options))
        return false;
    const SaveDefinitions definitions = saveDefinitionsFor(m_definitions);
    const LogWriter &writer = *formatForSavePath(path).writer;
    SaveResult result;
    const std::string failure = runInSlot(WorkerSlot::Save,
        [&](Progress &progress) { result = writer.write(path, m_table, options, definitions, progress); });
    if (!failure.empty()) {
        reportWorkerFailure("Saving " + path, failure);
        return false;
    }
    if (!result.ok) {
        m_host.message(BoxKind::Warning, result.message);
        return false;
    }
    // Selected rows saved elsewhere are not the log saved: its edits stay unsaved.
    if (!selectionOnly) {
        if (m_needsNewName && askForName) {
            m_currentPath = path;
            m_needsNewName = false;
            refreshTitle();
        }
        m_journal.markSaved();
    }
    rememberDiskFile(path);
    reportSave(result, writer.reportsFrequencyWarning());
    return true;
}

// The file a save would replace was changed by another program since it was read (a logger still
// appending to it): its newer QSOs would be lost, so the operator decides. Otherwise the save itself
// makes sure nothing changes it in the meantime.
bool Document::mayOverwrite(const std::string &path, SaveOptions &options)
{
    if (!m_diskStamp || !isSameFile(path, m_diskPath))
        return true;
    const std::optional<FileStamp> now = fileStamp(path);
    if (!now)
        return true; // deleted meanwhile: nothing on disk to lose
    if (*now == *m_diskStamp) {
        options.unchangedSince = now;
        return true;
    }
    return m_host.message(BoxKind::Question, changedOnDiskQuestion, BoxButtons::YesNo) == Answer::Yes;
}

void Document::rememberDiskFile(const std::string &path)
{
    if (path == m_currentPath || (m_diskStamp && isSameFile(path, m_diskPath))) {
        m_diskPath = path;
        m_diskStamp = fileStamp(path);
    }
}

void Document::reportSave(const SaveResult &result, bool frequencyWarning)
{
    if (const std::string dropped = droppedCharactersText(result); !dropped.empty())
        m_host.message(BoxKind::Warning, dropped);
    if (result.errors.empty())
        return;
    const Answer answer
        = m_host.message(BoxKind::Question, saveReportQuestion(result, frequencyWarning), BoxButtons::YesNo);
    if (answer == Answer::Yes && !result.reportPath.empty())
        m_host.openWithDefaultProgram(result.reportPath);
}

bool Document::close()
{
    if (!m_logOpen || !isModified())
        return true;
    const Answer answer = m_host.message(BoxKind::Question, closeQuestion, BoxButtons::YesNoCancel);
    if (answer == Answer::Yes)
        saveTo(m_needsNewName, false); // the window stays open: the operator sees the save's outcome
    return answer == Answer::No;
}

void Document::check()
{
    if (refuseWhenBusy())
        return;
    m_invalidCursor = 0;
    m_invalidFound = false;
    reloadDefinitions();
    const CheckColours colours { m_settings.grid.backColour, m_settings.grid.markedColour };
    CheckResult result;
    const std::string failure = runInSlot(WorkerSlot::Check, [&](Progress &progress) {
        result = checkLog(m_table, m_definitions, colours, progress, m_settings.useCommaFreq);
    });
    if (!failure.empty()) {
        reportWorkerFailure("The log check", failure);
        return;
    }
    m_invalidFound = result.invalidFound;
    m_host.statusChanged(0, "Ready");
    if (result.messageKind != CheckMessageKind::None) {
        const BoxKind kind
            = result.messageKind == CheckMessageKind::Information ? BoxKind::Information : BoxKind::Warning;
        m_host.message(kind, result.message);
    }
}

int Document::nextInvalidQso()
{
    m_invalidCursor = nextInvalidRow(m_table, m_invalidCursor, m_settings.grid.markedColour);
    return m_invalidCursor;
}

int Document::previousInvalidQso()
{
    m_invalidCursor = previousInvalidRow(m_table, m_invalidCursor, m_settings.grid.markedColour);
    return m_invalidCursor;
}

UndoEffect Document::undo()
{
    const UndoEffect effect = m_journal.undo();
    if (effect.rowsChanged)
        refreshCount();
    return effect;
}

UndoEffect Document::redo()
{
    const UndoEffect effect = m_journal.redo();
    if (effect.rowsChanged)
        refreshCount();
    return effect;
}

std::string Document::title() const
{
    return m_logOpen ? "Quillog - " + m_currentPath : "Quillog";
}

std::string Document::qsoCountText() const
{
    return "   QSOs: " + std::to_string(m_logOpen ? m_table.qsoCount() : 0);
}

void Document::refreshTitle()
{
    m_host.titleChanged(title());
}

void Document::refreshCount()
{
    m_host.statusChanged(2, qsoCountText());
}

} // namespace quillog
