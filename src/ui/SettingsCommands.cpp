// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/SettingsCommands.h"

#include "definitions/Definitions.h"
#include "document/Document.h"
#include "settings/FileAssociation.h"
#include "settings/OptionsModel.h"
#include "settings/WindowRect.h"
#include "ui/MainMenus.h"
#include "ui/QtHost.h"
#include "ui/dialogs/BandPlanDialog.h"
#include "ui/dialogs/ListEditorDialog.h"
#include "ui/dialogs/OptionsDialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QFile>
#include <QMainWindow>

namespace quillog::ui
{

namespace
{

std::string programFolder()
{
    return QCoreApplication::applicationDirPath().toStdString();
}

std::string programIconSvg()
{
    QFile icon(QStringLiteral(":/icons/quillog.svg"));
    if (!icon.open(QIODevice::ReadOnly))
        return {};
    return icon.readAll().toStdString();
}

} // namespace

SettingsCommands::SettingsCommands(
    Document &document, KeyValueStore &store, QtHost &host, QMainWindow &window)
    : QObject(&window)
    , m_document(document)
    , m_store(store)
    , m_host(host)
    , m_window(window)
{
}

void SettingsCommands::connectActions(const MainActions &actions)
{
    connect(actions.options, &QAction::triggered, this, &SettingsCommands::showOptions);
    connect(actions.bands, &QAction::triggered, this, [this] { editList(ValueListKind::Bands); });
    connect(actions.modes, &QAction::triggered, this, [this] { editList(ValueListKind::Modes); });
    connect(actions.submodes, &QAction::triggered, this, [this] { editList(ValueListKind::Submodes); });
    connect(actions.bandPlan, &QAction::triggered, this, &SettingsCommands::editBandPlan);
    connect(actions.saveWindowPosition, &QAction::triggered, this, &SettingsCommands::saveWindowPosition);
    connect(actions.resetWindowPosition, &QAction::triggered, this, &SettingsCommands::resetWindowPosition);
}

void SettingsCommands::showOptions()
{
    FileAssociation association
        = FileAssociation::forCurrentUser(QCoreApplication::applicationFilePath().toStdString());
    OptionsModel model(m_store, association.isInstalled());
    OptionsDialog dialog(model, &m_window);
    if (dialog.exec() != QDialog::Accepted)
        return;
    association.setIconSvg(programIconSvg());
    const OptionsAccepted accepted = model.accept(m_store, association);
    if (!accepted.message.empty())
        m_host.message(BoxKind::Information, accepted.message);
    // A failed registration must not pass for a done one.
    if (!accepted.associationDone)
        m_host.message(BoxKind::Warning, accepted.associationError);
    m_document.reloadSettings();
    Q_EMIT settingsChanged();
}

void SettingsCommands::editList(ValueListKind kind)
{
    const std::string templatePath = findTemplateResource(programFolder(), m_document.dataFolder());
    ListEditorDialog dialog(ListEditor::open(kind, templatePath, m_document.dataFolder()),
        m_document.dataFolder(), m_host, &m_window);
    if (dialog.exec() == QDialog::Accepted)
        m_document.reloadDefinitions();
}

void SettingsCommands::editBandPlan()
{
    // The plan is read from its file by the tool that needs it, so nothing is kept here to reload.
    BandPlanDialog dialog(m_document.dataFolder(), readGridAppearance(m_store), &m_window);
    dialog.exec();
}

void SettingsCommands::applyWindowPosition()
{
    const std::optional<WindowRect> rect = readWindowRect(m_store);
    if (!rect || rect->right <= rect->left || rect->bottom <= rect->top)
        return;
    m_window.setGeometry(rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top);
}

void SettingsCommands::saveWindowPosition()
{
    const QRect normal
        = m_window.isMaximized() || m_window.isMinimized() ? m_window.normalGeometry() : m_window.geometry();
    saveWindowRect(m_store,
        { normal.left(), normal.top(), normal.left() + normal.width(), normal.top() + normal.height() });
}

void SettingsCommands::resetWindowPosition()
{
    resetWindowRect(m_store);
}

} // namespace quillog::ui
