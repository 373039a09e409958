// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzSupport.h"

#include "core/LogTable.h"
#include "core/Progress.h"
#include "formats/AdiWriter.h"
#include "formats/FormatRegistry.h"
#include "formats/LogReader.h"
#include "formats/LogWriter.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace quillog::fuzz
{

namespace
{

// A folder for the saves, in memory when /dev/shm exists: the writer flushes every file to disk,
// which on a real disk would slow the fuzzer down a hundredfold. Removed when the process ends.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        const char *base = std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : "/tmp";
        std::string pattern = std::string(base) + "/quillog-fuzz-XXXXXX";
        if (mkdtemp(pattern.data()) == nullptr) {
            std::perror("quillog fuzz: cannot create a scratch folder");
            std::abort();
        }
        m_path = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    std::string file(const char *name) const { return m_path + "/" + name; }

private:
    std::string m_path;
};

SaveDefinitions makeSaveDefinitions()
{
    SaveDefinitions result;
    result.modes = { "SSB", "CW", "FT8", "RTTY", "FM", "AM", "PSK" };
    result.bands = { "160M", "80M", "40M", "20M", "15M", "10M", "2M", "70CM" };
    result.typeMap = { { "CALL", 'S' }, { "QSO_DATE", 'D' }, { "TIME_ON", 'T' }, { "FREQ", 'N' },
        { "BAND", 'E' }, { "MODE", 'E' }, { "COMMENT", 'S' }, { "RST_SENT", 'S' } };
    result.now = 0; // the same header on every run
    return result;
}

} // namespace

std::string scratchFile(const char *name)
{
    static const ScratchFolder folder;
    return folder.file(name);
}

const SaveDefinitions &saveDefinitions()
{
    static const SaveDefinitions definitions = makeSaveDefinitions();
    return definitions;
}

LargeBuffer bufferOf(const std::uint8_t *data, std::size_t size)
{
    LargeBuffer buffer(size);
    require(!buffer.isNull(), "no memory for the input");
    if (size > 0)
        std::memcpy(buffer.data(), data, size);
    return buffer;
}

void require(bool condition, const char *what)
{
    if (condition)
        return;
    std::fprintf(stderr, "quillog fuzz: %s\n", what);
    std::abort();
}

unsigned char flagsOf(const std::uint8_t *data, std::size_t size)
{
    return size == 0 ? 0 : data[size - 1];
}

void saveBothWays(const LogTable &table, unsigned char flags, const std::string &extension)
{
    const std::string path = scratchFile(("log." + extension).c_str());
    const LogWriter &writer = *formatForSavePath(path).writer;
    SaveOptions options;
    options.typeIndicator = flags & 1;
    options.commaFrequency = flags & 2;
    options.lowerCase = flags & 4;
    options.separateQsos = flags & 8;
    RunningFlag progress;

    options.noChecks = true;
    const SaveResult unchecked = writer.write(path, table, options, saveDefinitions(), progress);
    require(unchecked.ok, "a save without checks failed");
    require(unchecked.errors.empty(), "a save without checks rejected records");

    options.noChecks = false;
    const SaveResult checked = writer.write(path, table, options, saveDefinitions(), progress);
    require(checked.ok, "a save with checks failed");
    require(checked.written + static_cast<int>(checked.errors.size()) == unchecked.written,
        "a save with checks lost records that it neither wrote nor rejected");
}

LogTable oldTable()
{
    LogTable table;
    table.setColumnCount(2);
    table.setRowCount(2);
    table.setText(0, 0, "#");
    table.setText(0, 1, "CALL");
    table.setText(1, 0, "1");
    table.setText(1, 1, "OLD");
    table.setFixedColumnCount(1);
    return table;
}

void requireImportOutcome(const ReadResult &result, const LogTable &table, unsigned char flags)
{
    if (!result.ok) {
        require(table.rowCount() == 2 && table.columnCount() == 2 && table.fixedColumnCount() == 1
                && table.text(1, 1) == "OLD",
            "a failed import changed the open log");
        return;
    }
    require(table.rowCount() == result.records + 1, "the table has not one row per record");
    require(table.fixedColumnCount() == 0, "the import left a fixed column");
    saveBothWays(table, flags);
}

} // namespace quillog::fuzz
