// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/FileAssociation.h"

#include "core/FileIo.h"

#include <cstdlib>
#include <filesystem>
#include <utility>

namespace fs = std::filesystem;

namespace quillog
{

namespace
{

std::string failedToolsMessage(const std::string &tools)
{
    return "The desktop could not be told about the ADIF file types: " + tools
        + " failed or is not installed (package shared-mime-info, xdg-utils). Files ending in .adi, .adif "
          "and .adx may not open with Quillog yet.";
}

bool hasControlCharacter(std::string_view text)
{
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return true;
    }
    return false;
}

} // namespace

std::string quotedExecArgument(std::string_view argument)
{
    // Inside the quotes, '"', '`', '$' and '\' take a backslash; the entry's string syntax then doubles
    // every backslash again, and '%' is doubled so that it is not read as a field code.
    std::string quoted = "\"";
    for (const char c : argument) {
        if (c == '"' || c == '`' || c == '$')
            quoted += "\\\\";
        if (c == '\\')
            quoted += "\\\\\\";
        if (c == '%')
            quoted += '%';
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

FileAssociation::FileAssociation(std::string dataHome, std::string programPath, CommandRunner runner)
    : m_dataHome(std::move(dataHome))
    , m_programPath(std::move(programPath))
    , m_runner(std::move(runner))
{
}

FileAssociation FileAssociation::forCurrentUser(std::string programPath, CommandRunner runner)
{
    return FileAssociation(userDataHome(), std::move(programPath), std::move(runner));
}

std::string FileAssociation::userDataHome()
{
    if (const char *dataHome = std::getenv("XDG_DATA_HOME"); dataHome && dataHome[0] == '/')
        return dataHome;
    if (const char *home = std::getenv("HOME"); home && home[0] == '/')
        return std::string(home) + "/.local/share";
    return {};
}

std::string FileAssociation::mimePackagePath() const
{
    return m_dataHome + "/mime/packages/" + std::string(mimePackageName);
}

std::string FileAssociation::desktopFilePath() const
{
    return m_dataHome + "/applications/" + std::string(desktopFileName);
}

std::string FileAssociation::iconPath() const
{
    return m_dataHome + "/icons/hicolor/scalable/apps/" + std::string(iconFileName);
}

std::string FileAssociation::mimePackageText()
{
    // The same types as the system-wide package installs (packaging/quillog.xml), so that a per-user
    // association and the installed package never disagree about a file.
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="text/x-quillog-adi">
    <comment>HAM Radio ADIF file</comment>
    <sub-class-of type="text/plain"/>
    <glob pattern="*.adi"/>
    <magic priority="50">
      <match type="string" value="&lt;EOH&gt;" offset="0:4096"/>
      <match type="string" value="&lt;eoh&gt;" offset="0:4096"/>
      <match type="string" value="&lt;CALL:" offset="0:16"/>
      <match type="string" value="&lt;call:" offset="0:16"/>
      <match type="string" value="&lt;QSO_DATE:" offset="0:16"/>
      <match type="string" value="&lt;qso_date:" offset="0:16"/>
      <match type="string" value="&lt;STATION_CALLSIGN:" offset="0:16"/>
      <match type="string" value="&lt;station_callsign:" offset="0:16"/>
      <match type="string" value="&lt;BAND:" offset="0:16"/>
      <match type="string" value="&lt;band:" offset="0:16"/>
      <match type="string" value="&lt;FREQ:" offset="0:16"/>
      <match type="string" value="&lt;freq:" offset="0:16"/>
      <match type="string" value="&lt;MODE:" offset="0:16"/>
      <match type="string" value="&lt;mode:" offset="0:16"/>
      <match type="string" value="&lt;TIME_ON:" offset="0:16"/>
      <match type="string" value="&lt;time_on:" offset="0:16"/>
      <match type="string" value="&lt;OPERATOR:" offset="0:16"/>
      <match type="string" value="&lt;operator:" offset="0:16"/>
      <match type="string" value="&lt;APP_" offset="0:16"/>
      <match type="string" value="&lt;app_" offset="0:16"/>
    </magic>
  </mime-type>
  <mime-type type="text/x-quillog-adif">
    <comment>HAM Radio ADIF file</comment>
    <sub-class-of type="text/plain"/>
    <glob pattern="*.adif"/>
  </mime-type>
  <mime-type type="text/x-quillog-adx">
    <comment>HAM Radio ADX file</comment>
    <sub-class-of type="application/xml"/>
    <glob pattern="*.adx"/>
    <root-XML localName="ADX"/>
  </mime-type>
</mime-info>
)";
}

std::string FileAssociation::desktopEntryText() const
{
    // The installed entry (packaging/quillog.desktop) with this program's full path: the per-user entry
    // of the same name stands in for it, so it opens the same types.
    std::string text = "[Desktop Entry]\nType=Application\nName=Quillog\nGenericName=ADIF Log Editor\n"
                       "Comment=Edit amateur-radio contact logs in ADIF\n";
    text += "Exec=" + quotedExecArgument(m_programPath) + " %f\n";
    text += "Icon=quillog\nTerminal=false\n";
    text += "MimeType=" + std::string(adiMimeType) + ';' + std::string(adifMimeType) + ';'
        + std::string(adxMimeType) + ";\n";
    text += "Categories=Network;HamRadio;\nKeywords=ADIF;ADI;ADX;log;logbook;QSO;amateur radio;ham;\n";
    return text;
}

bool FileAssociation::install()
{
    m_error.clear();
    if (m_dataHome.empty())
        return fail("No folder for the user's data: neither XDG_DATA_HOME nor HOME is set.");
    if (m_programPath.empty() || m_programPath.front() != '/' || hasControlCharacter(m_programPath))
        return fail("The program path cannot be used in a desktop entry: " + m_programPath);
    if (!writeFile(mimePackagePath(), mimePackageText()) || !writeFile(desktopFilePath(), desktopEntryText()))
        return false;
    // The icon is a nicety: without it the desktop shows a generic one.
    if (!m_iconSvg.empty())
        writeFile(iconPath(), m_iconSvg);
    m_error.clear();
    std::string failed;
    if (!m_runner({ "update-mime-database", m_dataHome + "/mime" }))
        failed = "update-mime-database";
    // Only some desktops keep this cache; without the program the entry is found all the same.
    m_runner({ "update-desktop-database", m_dataHome + "/applications" });
    if (!m_runner({ "xdg-mime", "default", std::string(desktopFileName), std::string(adiMimeType),
            std::string(adifMimeType), std::string(adxMimeType) }))
        failed += failed.empty() ? "xdg-mime" : " and xdg-mime";
    if (!failed.empty())
        return fail(failedToolsMessage(failed));
    return true;
}

bool FileAssociation::remove()
{
    m_error.clear();
    if (m_dataHome.empty())
        return fail("No folder for the user's data: neither XDG_DATA_HOME nor HOME is set.");
    std::error_code error;
    for (const std::string &path : { desktopFilePath(), mimePackagePath(), iconPath() }) {
        if (!fs::remove(path, error) && error)
            fail("Cannot delete " + path + ": " + error.message());
    }
    if (!m_runner({ "update-mime-database", m_dataHome + "/mime" }) && m_error.empty())
        fail(failedToolsMessage("update-mime-database"));
    m_runner({ "update-desktop-database", m_dataHome + "/applications" });
    return m_error.empty();
}

bool FileAssociation::isInstalled() const
{
    if (m_dataHome.empty())
        return false;
    std::error_code error;
    if (!fs::is_regular_file(mimePackagePath(), error))
        return false;
    const FileBytes desktop = readFileBytes(desktopFilePath());
    if (!desktop.ok)
        return false;
    const std::string_view text(desktop.bytes.data(), desktop.bytes.size());
    return text.find(adiMimeType) != std::string_view::npos
        || text.find(adifMimeType) != std::string_view::npos;
}

bool FileAssociation::writeFile(const std::string &path, std::string_view text)
{
    std::error_code error;
    fs::create_directories(fs::path(path).parent_path(), error);
    if (error)
        return fail("Cannot create the folder of " + path + ": " + error.message());
    SafeFile file(path);
    if (!file.open() || !file.write(text) || !file.commit())
        return fail(file.errorText());
    return true;
}

bool FileAssociation::fail(std::string message)
{
    m_error = std::move(message);
    return false;
}

} // namespace quillog
