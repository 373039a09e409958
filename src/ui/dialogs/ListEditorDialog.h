// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "definitions/ListEditor.h"

#include <QDialog>

class QListWidget;
class QPushButton;

namespace quillog::ui
{

class QtHost;

/// The Bands, Modes and Submodes editor: a list in the order entered, with Add, Delete, Default, Save
/// and Cancel. The rules live in ListEditor; Save writes the operator's file and accepts.
class ListEditorDialog : public QDialog
{
    Q_OBJECT

public:
    ListEditorDialog(ListEditor editor, std::string dataFolder, QtHost &host, QWidget *parent = nullptr);

    const ListEditor &editor() const { return m_editor; }
    QListWidget *list() const { return m_list; }
    QPushButton *deleteButton() const { return m_delete; }

    /// Add with a value already typed (the Add dialog's OK).
    void addValue(const QString &value);
    void deleteSelected();
    void restoreDefaults();
    void save();

private:
    void showEntries();
    void askForValue();

    ListEditor m_editor;
    std::string m_dataFolder;
    QtHost &m_host;
    QListWidget *m_list = nullptr;
    QPushButton *m_delete = nullptr;
};

/// The small "Add ..." dialog: one field that turns every typed letter to upper case.
QString askForListValue(QWidget *parent, const QString &title, const QString &label);

} // namespace quillog::ui
