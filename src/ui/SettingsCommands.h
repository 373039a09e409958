// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "definitions/ValueLists.h"

#include <QObject>

class QMainWindow;

namespace quillog
{
class Document;
class KeyValueStore;
} // namespace quillog

namespace quillog::ui
{

class QtHost;
struct MainActions;

/// The Settings menu: Options, the list and band plan editors and the window position.
class SettingsCommands : public QObject
{
    Q_OBJECT

public:
    SettingsCommands(Document &document, KeyValueStore &store, QtHost &host, QMainWindow &window);

    void connectActions(const MainActions &actions);
    /// Puts the window at its saved place; nothing happens unless all four values are stored.
    void applyWindowPosition();

public Q_SLOTS:
    void showOptions();
    void editList(quillog::ValueListKind kind);
    void editBandPlan();
    void saveWindowPosition();
    void resetWindowPosition();

Q_SIGNALS:
    /// The settings were read again: the grid takes the new appearance.
    void settingsChanged();

private:
    Document &m_document;
    KeyValueStore &m_store;
    QtHost &m_host;
    QMainWindow &m_window;
};

} // namespace quillog::ui
