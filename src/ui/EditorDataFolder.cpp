// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/EditorDataFolder.h"

#include "settings/DataFolder.h"

#include <QCoreApplication>

namespace quillog::ui
{

std::string editorDataFolder()
{
    const std::string folder = dataFolder();
    if (!prepareDataFolder(folder))
        return QCoreApplication::applicationDirPath().toStdString();
    return folder;
}

} // namespace quillog::ui
