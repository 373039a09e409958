// SPDX-License-Identifier: GPL-3.0-or-later
#include "TestSupport.h"

#include "TableSnapshot.h"

#include <cstring>
#include <fstream>
#include <sstream>
#include <unistd.h>

namespace quillog::test
{

LargeBuffer bufferOf(std::string_view text)
{
    LargeBuffer buffer(text.size());
    if (!text.empty())
        std::memcpy(buffer.data(), text.data(), text.size());
    return buffer;
}

std::string fileContents(const std::filesystem::path &path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void writeFile(const std::filesystem::path &path, std::string_view bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::filesystem::path freshFolder(const std::string &name)
{
    const auto folder = std::filesystem::temp_directory_path()
        / ("quillog-test-" + name + "-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

std::string dataFile(const std::string &relative)
{
    return std::string(QUILLOG_TEST_DATA) + "/" + relative;
}

std::vector<std::string> headers(const LogTable &table)
{
    std::vector<std::string> names;
    for (int column = 0; column < table.columnCount(); ++column)
        names.emplace_back(table.text(0, column));
    return names;
}

std::string cell(const LogTable &table, int row, std::string_view header)
{
    const int column = table.findColumn(header);
    return column < 0 ? std::string() : std::string(table.text(row, column));
}

std::vector<std::string> rowTexts(const LogTable &table, int row)
{
    std::vector<std::string> texts;
    for (int column = 0; column < table.columnCount(); ++column)
        texts.emplace_back(table.text(row, column));
    return texts;
}

std::vector<std::string> columnTexts(const LogTable &table, int column)
{
    std::vector<std::string> texts;
    for (int row = 1; row < table.rowCount(); ++row)
        texts.emplace_back(table.text(row, column));
    return texts;
}

std::vector<std::vector<std::string>> snapshot(const LogTable &table)
{
    std::vector<std::vector<std::string>> cells(static_cast<std::size_t>(table.rowCount()));
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int column = 0; column < table.columnCount(); ++column)
            cells[static_cast<std::size_t>(row)].emplace_back(table.text(row, column));
    }
    return cells;
}

LogTable logOf(const std::vector<std::string> &header, const std::vector<std::vector<std::string>> &rows)
{
    LogTable table;
    table.setColumnCount(static_cast<int>(header.size()) + 1);
    table.setRowCount(static_cast<int>(rows.size()) + 1);
    table.setText(0, 0, "#");
    for (std::size_t c = 0; c < header.size(); ++c)
        table.setText(0, static_cast<int>(c) + 1, header[c]);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].size(); ++c)
            table.setText(static_cast<int>(r) + 1, static_cast<int>(c) + 1, rows[r][c]);
    }
    table.setFixedColumnCount(1);
    table.numberRows();
    return table;
}

} // namespace quillog::test
