// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/CommandRunner.h"

#include <string>
#include <string_view>

namespace quillog
{

/// Makes Quillog the opener of .adi, .adif and .adx files for the current user, the freedesktop way: a
/// shared-mime-info package with one type per extension under <data home>/mime/packages, a desktop
/// entry under <data home>/applications that opens the file given to it, then update-mime-database
/// and xdg-mime to make the types known and Quillog their default program. Outside programs that are
/// not installed are passed over; the runner can be replaced (tests pass one that records the calls).
class FileAssociation
{
public:
    static constexpr std::string_view adiMimeType = "text/x-quillog-adi";
    static constexpr std::string_view adifMimeType = "text/x-quillog-adif";
    static constexpr std::string_view adxMimeType = "text/x-quillog-adx";
    static constexpr std::string_view desktopFileName = "quillog.desktop";
    static constexpr std::string_view mimePackageName = "quillog-adif.xml";
    static constexpr std::string_view iconFileName = "quillog.svg";

    /// programPath: the full path of the installed program that the desktop entry runs.
    FileAssociation(
        std::string dataHome, std::string programPath, CommandRunner runner = runInstalledProgram);
    /// For the current user: the data home is $XDG_DATA_HOME, or ~/.local/share when it is unset.
    static FileAssociation forCurrentUser(
        std::string programPath, CommandRunner runner = runInstalledProgram);
    /// $XDG_DATA_HOME when it is an absolute path, else $HOME/.local/share; empty without either.
    static std::string userDataHome();

    /// The program's icon (SVG text), written into the user's hicolor theme with the desktop entry so
    /// that its Icon= line finds it also when Quillog is not installed system-wide.
    void setIconSvg(std::string svg) { m_iconSvg = std::move(svg); }

    /// Writes both files (and the icon) and registers them; false (with errorText()) when a file
    /// cannot be written or update-mime-database or xdg-mime fails.
    bool install();
    /// Deletes the files and updates the type database; false when a file stays behind or the
    /// database cannot be updated.
    bool remove();
    /// True while the type package and a desktop entry naming our types are in place.
    bool isInstalled() const;

    std::string mimePackagePath() const;
    std::string desktopFilePath() const;
    std::string iconPath() const;
    const std::string &errorText() const { return m_error; }

    /// The text of the type package and of the desktop entry.
    static std::string mimePackageText();
    std::string desktopEntryText() const;

private:
    bool writeFile(const std::string &path, std::string_view text);
    bool fail(std::string message);

    std::string m_dataHome;
    std::string m_programPath;
    CommandRunner m_runner;
    std::string m_iconSvg;
    std::string m_error;
};

/// Quotes one argument of a desktop entry's Exec line, escaped for the entry's string syntax.
std::string quotedExecArgument(std::string_view argument);

} // namespace quillog
