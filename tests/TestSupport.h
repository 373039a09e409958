// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"
#include "core/LogTable.h"
#include "core/Progress.h"

#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace quillog::test
{

inline LargeBuffer bufferOf(std::string_view text)
{
    LargeBuffer buffer(text.size());
    if (!text.empty())
        std::memcpy(buffer.data(), text.data(), text.size());
    return buffer;
}

inline std::string fileContents(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

inline void writeFile(const std::filesystem::path &path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

/// A folder of its own under the system's temporary folder, emptied first. The process id keeps tests
/// that run side by side apart.
inline std::filesystem::path freshFolder(const std::string &name)
{
    const auto folder = std::filesystem::temp_directory_path()
        / ("quillog-test-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

inline std::string dataFile(const std::string &relative)
{
    return std::string(QUILLOG_TEST_DATA) + "/" + relative;
}

/// Row 0 of the table, left to right.
inline std::vector<std::string> headers(const LogTable &table)
{
    std::vector<std::string> names;
    for (int column = 0; column < table.columnCount(); ++column)
        names.emplace_back(table.text(0, column));
    return names;
}

/// The text of the row's cell under the named header; empty when there is no such column.
inline std::string cell(const LogTable &table, int row, std::string_view header)
{
    const int column = table.findColumn(header);
    return column < 0 ? std::string() : std::string(table.text(row, column));
}

/// The texts of one row, left to right.
inline std::vector<std::string> rowTexts(const LogTable &table, int row)
{
    std::vector<std::string> texts;
    for (int column = 0; column < table.columnCount(); ++column)
        texts.emplace_back(table.text(row, column));
    return texts;
}

/// The texts of one column's QSO rows, top to bottom.
inline std::vector<std::string> columnTexts(const LogTable &table, int column)
{
    std::vector<std::string> texts;
    for (int row = 1; row < table.rowCount(); ++row)
        texts.emplace_back(table.text(row, column));
    return texts;
}

/// A Progress that reports "stopped" once it has been asked a given number of times.
class StopAfter : public Progress
{
public:
    explicit StopAfter(int questions)
        : m_left(questions)
    {
    }
    void setLabel(std::string_view label) override { labels.emplace_back(label); }
    void setPercent(int percent) override { percents.push_back(percent); }
    bool isRunning() const override { return m_left-- > 0; }

    std::vector<std::string> labels;
    std::vector<int> percents;

private:
    mutable int m_left;
};

} // namespace quillog::test
