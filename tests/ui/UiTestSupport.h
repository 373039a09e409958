// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LogTable.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QStringList>
#include <QTimer>
#include <initializer_list>
#include <string>
#include <vector>

namespace quillog::ui::test
{

/// A table as the document leaves it after a load: row 0 the headers, column 0 the fixed "#" column.
inline LogTable loadedTable(std::initializer_list<std::vector<std::string>> rows)
{
    LogTable table;
    table.setColumnCount(static_cast<int>(rows.begin()->size()) + 1);
    table.setRowCount(static_cast<int>(rows.size()));
    table.setFixedColumnCount(1);
    int row = 0;
    for (const std::vector<std::string> &cells : rows) {
        table.setText(row, 0, row == 0 ? "#" : std::to_string(row));
        for (std::size_t column = 0; column < cells.size(); ++column)
            table.setText(row, static_cast<int>(column) + 1, cells[column]);
        ++row;
    }
    return table;
}

/// Answers every message box that opens (with its default or the given button) and keeps its text,
/// so that a test never hangs on a modal box.
class MessageBoxAnswerer : public QObject
{
public:
    explicit MessageBoxAnswerer(QMessageBox::StandardButton answer = QMessageBox::NoButton)
        : m_answer(answer)
    {
        connect(&m_timer, &QTimer::timeout, this, &MessageBoxAnswerer::answer);
        m_timer.start(20);
    }

    QStringList texts;

private:
    void answer()
    {
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<QMessageBox *>(widget);
            if (box == nullptr || !box->isVisible())
                continue;
            texts.append(box->text());
            QAbstractButton *button = m_answer != QMessageBox::NoButton ? box->button(m_answer) : nullptr;
            if (button == nullptr)
                button = box->defaultButton() ? static_cast<QAbstractButton *>(box->defaultButton())
                                              : box->buttons().value(0);
            if (button != nullptr)
                button->click();
        }
    }

    QTimer m_timer;
    QMessageBox::StandardButton m_answer;
};

} // namespace quillog::ui::test
