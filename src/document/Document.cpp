// SPDX-License-Identifier: GPL-3.0-or-later
#include "document/Document.h"

#include "check/InvalidQsoNavigation.h"
#include "check/LogCheck.h"
#include "core/FileIo.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "document/Host.h"
#include "document/ImportFollowUp.h"
#include "formats/AdiReader.h"
#include "formats/FormatRegistry.h"
#include "formats/LogSaver.h"
#include "formats/SaveSettings.h"
#include "settings/KeyValueStore.h"
#include "side/RecordFilter.h"
#include "side/SplitWriter.h"
#include "tools/RecordInsertion.h"

#include <algorithm>
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
constexpr const char *trlogQuestion
    = "TRLOG sequence is detected.\r\nDo you want to open this file as a TRLOG file?";
constexpr const char *csvFilter = "MS Excel CSV files (*.csv)|*.csv|All files (*.*)|*.*|";
constexpr const char *nothingToSaveMessage = "Nothing to save.";
constexpr const char *stoppedBeforeRecordsMessage = "Reading was stopped before any QSO was read.";
constexpr const char *changedOnDiskQuestion
    = "The file has changed on disk since it was opened. Overwrite it?";
constexpr const char *requiredColumnsMessage
    = "In order to save ADIF log correctly, you need to enter all required "
      "column names (CALL, QSO_DATE, etc).";
constexpr const char *splitCountMessage = "Please enter a valid split count less than the Total QSOs count.";
constexpr const char *splitDialogFilter
    = "ADIF files (*.adi, *adif)|*.adi*|ADX files (*.adx)|*.adx|All Log files (*.*)|*.*|";
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

Answer Document::askToSave(const char *question)
{
    if (!m_logOpen || !isModified())
        return Answer::No;
    return m_host.message(BoxKind::Question, question, BoxButtons::YesNoCancel);
}

// A command that replaces the open log first offers to save unsaved changes: Yes saves and goes on
// once nothing is left unsaved (a cancelled, failed or stopped save, or one that rejected QSOs, ends
// the command), No goes on, Cancel ends it.
bool Document::mayReplaceLog()
{
    switch (askToSave(reloadQuestion)) {
    case Answer::Yes:
        return saveTo(m_needsNewName, false) && !isModified();
    case Answer::No:
        return true;
    default:
        return false;
    }
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
    if (const auto path
        = m_host.chooseFileToOpen({ "Open ADIF Files", openDialogFilter(), "", currentFolder() }))
        openAdif(absolutePath(*path));
}

void Document::openPath(const std::string &given)
{
    // The recent files and the title name the file the same way whatever the working folder was.
    const std::string path = absolutePath(given);
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        if (m_recent.remove(path, m_store))
            m_host.recentFilesChanged();
        m_host.message(BoxKind::Warning, missingRecentFileMessage);
        return;
    }
    if (refuseWhenBusy() || !mayReplaceLog())
        return;
    openAdif(path);
}

// The chosen file becomes the open log only when it passes the type test: a refused file is never
// the current path, so a later Save cannot write over it.
void Document::openAdif(const std::string &path, const ReadOptions &filter)
{
    if (!isAdifOrWarn(path))
        return;
    if (m_recent.add(path, m_store))
        m_host.recentFilesChanged();
    load(LoadKind::Replace, path, filter);
}

void Document::openRecent(int commandId)
{
    const std::string path = m_recent.pathForCommand(commandId);
    if (!path.empty())
        openPath(path);
}

void Document::reload()
{
    if (refuseWhenBusy())
        return;
    // Yes saves and ends the command: the operator sees the saved log, not the file read again.
    const Answer answer = askToSave(reloadQuestion);
    if (answer == Answer::Yes)
        saveTo(m_needsNewName, false);
    if (answer != Answer::No)
        return;
    if (isAdifOrWarn(m_currentPath))
        load(LoadKind::Replace, m_currentPath);
}

void Document::merge()
{
    if (refuseWhenBusy())
        return;
    const auto path = m_host.chooseFileToOpen({ "Open ADIF Files", openDialogFilter(), "", currentFolder() });
    // The merged file joins the open log, which keeps its own name.
    if (path && isAdifOrWarn(*path))
        load(LoadKind::Merge, *path);
}

void Document::import()
{
    if (refuseWhenBusy() || !mayReplaceLog())
        return;
    const auto path
        = m_host.chooseFileToOpen({ "Import Log Files", importDialogFilter(), "", currentFolder() });
    if (!path)
        return;
    const LogFileType type = fileType(*path);
    if (type == LogFileType::TypeAdif) {
        m_host.message(BoxKind::Warning, adifForImportMessage);
        return;
    }
    const bool asTrlog = type == LogFileType::TypeTrlogTable
        && m_host.message(BoxKind::Question, trlogQuestion, BoxButtons::YesNo) == Answer::Yes;
    m_importReader = importReaderFor(type, asTrlog);
    if (m_importReader == nullptr)
        m_host.message(BoxKind::Warning, cannotImportMessage);
    else
        load(LoadKind::Import, *path);
}

void Document::saveAsCsv()
{
    if (refuseWhenBusy())
        return;
    const auto path
        = m_host.chooseFileToSave({ "Save as Excel CSV file", csvFilter, "csv", currentFolder() });
    if (!path)
        return;
    const LogWriter &writer = *formatOfType(LogFileType::TypeCsv)->writer;
    const SaveOptions options = saveOptionsFor(m_settings);
    SaveResult result;
    const std::string failure = runInSlot(WorkerSlot::Save,
        [&](Progress &progress) { result = writer.write(*path, m_table, options, {}, progress); });
    if (!failure.empty())
        reportWorkerFailure("Saving " + *path, failure);
    else if (!result.ok)
        m_host.message(BoxKind::Warning, result.message);
}

void Document::load(LoadKind kind, const std::string &path, const ReadOptions &filter)
{
    // The file read becomes the open log once its load begins; a merged file joins the open log.
    const std::string previousPath = m_currentPath;
    if (kind != LoadKind::Merge)
        m_currentPath = path;
    // Open, reload and merge only go ahead for ADIF; an import reads whatever its file-type test found.
    const LogReader &reader = kind == LoadKind::Import ? *m_importReader : *readerFor(LogFileType::TypeAdif);
    ReadOptions options = filter;
    options.ignoreBracket = m_settings.ignoreBracket;
    options.contests = m_definitions.contests;
    options.decimalComma = m_settings.useCommaFreq;
    // A new log is read beside the open one, which stays as it is should the reader fail unexpectedly;
    // a merge that fails so is cut back to the rows and columns the log had.
    LogTable fresh;
    const int rows = m_table.rowCount(), columns = m_table.columnCount();
    ReadResult result;
    bool numbered = false;
    m_merging = kind == LoadKind::Merge;
    // Taken before the read: a change made while it runs counts as a change since it was opened.
    const std::optional<FileStamp> stamp = fileStamp(path);
    const std::string failure = runInSlot(
        kind == LoadKind::Import ? WorkerSlot::Import : WorkerSlot::Load, [&](Progress &progress) {
            if (kind == LoadKind::Merge)
                result = AdiReader().merge(path, m_wideSource, m_table, options, progress);
            else
                result = reader.readFile(path, m_wideSource, fresh, options, progress);
            if (result.ok && kind == LoadKind::Import)
                finishImportedTable(reader, fresh);
            // Numbering a million rows takes a while: it belongs here and not on the window's thread.
            numbered = result.ok && (kind == LoadKind::Merge ? m_table : fresh).addRowNumbers();
        });
    m_merging = false;
    if (!failure.empty()) {
        if (kind == LoadKind::Merge) {
            m_table.setRowCount(rows);
            m_table.setColumnCount(columns);
        }
        m_host.tableReset();
        reportWorkerFailure("Reading " + path, failure);
        m_currentPath = previousPath;
        return;
    }
    if (result.ok && kind != LoadKind::Merge)
        m_table = std::move(fresh);
    if (result.ok && kind == LoadKind::Replace) {
        m_diskPath = m_currentPath;
        m_diskStamp = stamp;
    }
    finishLoad(result, numbered, kind);
    // A log opened through filters lacks the QSOs they turned down: saving it over its file would lose
    // them, so Save asks for a name.
    if (options.keepRecord && result.ok && result.recordsKept < result.records)
        m_needsNewName = true;
}

void Document::finishLoad(const ReadResult &result, bool numbered, LoadKind kind)
{
    if (numbered) {
        m_logOpen = true;
        m_invalidFound = false;
    } else {
        if (!result.warning.empty())
            m_host.message(BoxKind::Warning, result.warning);
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
    if (kind != LoadKind::Merge) {
        refreshTitle();
        m_journal.clear();
    } else if (result.ok) {
        // The merged QSOs exist only here, and the records before the merge no longer fit the table
        // (a column snapshot would blank the merged rows), so the history ends but the log is unsaved.
        m_journal.clear();
        m_journal.markUnsaved();
    }
    // A merged or imported log, or one whose reading was stopped, is not the file on disk: Save asks
    // for a name. A merge that found nothing changed nothing.
    if (kind != LoadKind::Merge || result.ok)
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

// Before the table is written anywhere: no worker may be running, there must be something to write, and
// the operator hears about required columns the log lacks (the write goes ahead without them).
bool Document::mayWriteTable()
{
    if (refuseWhenBusy())
        return false;
    if (m_table.rowCount() == 0 || m_table.columnCount() == 0) {
        m_host.message(BoxKind::Warning, nothingToSaveMessage);
        return false;
    }
    warnAboutMissingColumns();
    return true;
}

bool Document::saveTo(bool askForName, bool selectionOnly)
{
    if (!mayWriteTable())
        return false;
    std::string path = m_currentPath;
    // A log that never had a file (QSOs typed into a fresh window) gets its name now.
    if (path.empty())
        askForName = true;
    if (askForName) {
        const auto chosen
            = m_host.chooseFileToSave({ "Save ADIF File", saveDialogFilter(), "adi", proposedSaveName() });
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
    // Selected rows saved elsewhere are not the log saved: its edits stay unsaved. QSOs the checks
    // rejected are not in the file and exist only in the grid, so the log stays modified.
    if (!selectionOnly) {
        if ((m_needsNewName || m_currentPath.empty()) && askForName) {
            m_currentPath = path;
            m_needsNewName = false;
            refreshTitle();
        }
        if (result.errors.empty())
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

void Document::openFiltered(const FilterSettings &settings)
{
    if (refuseWhenBusy())
        return;
    // The filters are read back from the file just written: a write that failed must not leave the read
    // with stale filters or none.
    const std::string filterPath = filterFilePath(m_dataFolder);
    std::string problem;
    if (!writeFilterDialog(filterPath, settings, problem)) {
        m_host.message(BoxKind::Warning, problem);
        return;
    }
    const FilterFile filters = readFilterFile(filterPath);
    if (!filters.ok) {
        m_host.message(BoxKind::Warning, filters.message);
        return;
    }
    if (!mayReplaceLog())
        return;
    const auto path = m_host.chooseFileToOpen({ "Open ADIF Files", openDialogFilter(), "", currentFolder() });
    if (!path)
        return;
    ReadOptions filter;
    filter.keepRecord = RecordFilter(filters.settings).recordTest();
    openAdif(absolutePath(*path), filter);
}

bool Document::beginSplit()
{
    return mayWriteTable();
}

std::string Document::splitCountProblem(int count) const
{
    return count < 0 || count > m_table.qsoCount() ? splitCountMessage : "";
}

void Document::split(int count)
{
    if (const std::string problem = splitCountProblem(count); !problem.empty()) {
        m_host.message(BoxKind::Warning, problem);
        return;
    }
    FileDialogRequest request { "Save ADIF File", splitDialogFilter, "adi", currentFolder() };
    request.confirmOverwrite = false; // the parts are written, not the chosen name: asked below
    const auto target = m_host.chooseFileToSave(request);
    if (!target)
        return;
    reloadDefinitions();
    const SaveOptions options = saveOptionsFor(m_settings, false);
    const SaveDefinitions definitions = saveDefinitionsFor(m_definitions);
    const int parts = splitPartCount(m_table, count, options, definitions);
    if (const auto existing = firstExistingPart(splitTarget(*target), parts)) {
        if (m_host.message(BoxKind::Question, splitPartsExistQuestion(*existing, parts), BoxButtons::YesNo)
            != Answer::Yes)
            return;
    }
    SplitResult result;
    const std::string failure = runInSlot(WorkerSlot::Save, [&](Progress &progress) {
        result = writeSplit(m_table, count, *target, options, definitions, progress);
    });
    if (!failure.empty()) {
        reportWorkerFailure("Splitting into " + *target, failure);
        return;
    }
    m_host.tableReset();
    if (!result.save.message.empty())
        m_host.message(BoxKind::Warning, result.save.message);
    reportSave(result.save, true);
}

void Document::addRecord(std::string_view record)
{
    appendAdiRecord(m_table, m_journal, record, m_settings.ignoreBracket);
    m_logOpen = true;
    // QSOs typed into a window without a log have no file yet: Save asks for one.
    if (m_currentPath.empty())
        m_needsNewName = true;
    m_host.tableReset();
    refreshCount();
    refreshTitle();
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

std::string Document::currentFolder() const
{
    return m_currentPath.empty() ? std::string()
                                 : std::filesystem::path(m_currentPath).parent_path().string();
}

// The log's own name; a log imported from another format is proposed as ADIF beside its source.
std::string Document::proposedSaveName() const
{
    if (m_currentPath.empty())
        return {};
    std::filesystem::path path(m_currentPath);
    const std::string extension = toUpper(path.extension().string());
    if (extension != ".ADI" && extension != ".ADIF" && extension != ".ADX")
        path.replace_extension(".adi");
    return path.string();
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
