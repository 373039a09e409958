// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TestSupport.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace quillog::test
{

/// An empty folder of its own for the running test, removed afterwards.
class TestFolder
{
public:
    TestFolder()
    {
        const auto *info = ::testing::UnitTest::GetInstance()->current_test_info();
        m_path = freshFolder("definitions-" + std::string(info->test_suite_name()) + "-" + info->name());
    }
    ~TestFolder() { std::filesystem::remove_all(m_path); }
    TestFolder(const TestFolder &) = delete;
    TestFolder &operator=(const TestFolder &) = delete;

    std::string path() const { return m_path.string(); }
    std::string file(std::string_view name) const { return (m_path / name).string(); }
    void write(std::string_view name, std::string_view bytes) const { writeFile(m_path / name, bytes); }

private:
    std::filesystem::path m_path;
};

/// The template resource the program ships, as generated from the ADIF exports.
inline const std::string shippedTemplates = QUILLOG_TEMPLATES_FILE;

} // namespace quillog::test
