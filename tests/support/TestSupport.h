// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"
#include "core/LogTable.h"
#include "core/Progress.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quillog::test
{

/// A buffer holding a copy of text, as a reader gets a file's bytes.
LargeBuffer bufferOf(std::string_view text);

/// The bytes of a file; empty when it cannot be read.
std::string fileContents(const std::filesystem::path &path);

void writeFile(const std::filesystem::path &path, std::string_view bytes);

/// A folder of its own under the system's temporary folder, emptied first. The process id keeps tests
/// that run side by side apart.
std::filesystem::path freshFolder(const std::string &name);

/// A file of tests/data, by its path below that folder.
std::string dataFile(const std::string &relative);

/// Row 0 of the table, left to right.
std::vector<std::string> headers(const LogTable &table);

/// The text of the row's cell under the named header; empty when there is no such column.
std::string cell(const LogTable &table, int row, std::string_view header);

/// The texts of one row, left to right.
std::vector<std::string> rowTexts(const LogTable &table, int row);

/// The texts of one column's QSO rows, top to bottom.
std::vector<std::string> columnTexts(const LogTable &table, int column);

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
