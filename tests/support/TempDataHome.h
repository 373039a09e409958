// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

// Points XDG_DATA_HOME at a fresh temporary folder for the life of the object.
class TempDataHome
{
public:
    explicit TempDataHome(const std::string &name)
        : m_folder(std::filesystem::temp_directory_path() / ("quillog-settings-" + name))
    {
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        if (const char *old = std::getenv("XDG_DATA_HOME"))
            m_previous = old;
        setenv("XDG_DATA_HOME", m_folder.c_str(), 1);
    }
    ~TempDataHome()
    {
        if (m_previous.empty())
            unsetenv("XDG_DATA_HOME");
        else
            setenv("XDG_DATA_HOME", m_previous.c_str(), 1);
        std::filesystem::remove_all(m_folder);
    }
    TempDataHome(const TempDataHome &) = delete;
    TempDataHome &operator=(const TempDataHome &) = delete;

    const std::filesystem::path &folder() const { return m_folder; }

private:
    std::filesystem::path m_folder;
    std::string m_previous;
};
