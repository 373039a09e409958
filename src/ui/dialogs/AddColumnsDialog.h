// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/ColumnsFile.h"

#include <QDialog>
#include <functional>

class QTreeWidget;

namespace quillog::ui
{

/// "Add Multiple Columns with Text": the prepared columns, each a tag and the text its cells get.
class AddColumnsDialog : public QDialog
{
    Q_OBJECT

public:
    /// chooseTag asks for a field name (empty when none was chosen).
    AddColumnsDialog(const std::vector<ColumnEntry> &entries, std::function<QString()> chooseTag,
        QWidget *parent = nullptr);
    /// The entries with a tag, in list order.
    std::vector<ColumnEntry> entries() const;

    void addEntry();
    void removeEntry();

private:
    QTreeWidget *m_list;
    std::function<QString()> m_chooseTag;
};

} // namespace quillog::ui
