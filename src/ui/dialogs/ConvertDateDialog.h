// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/DateConversion.h"

#include <QDialog>

class QComboBox;

namespace quillog::ui
{

/// "Convert Date": the date layout to convert a column from, the first one chosen at every opening.
class ConvertDateDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ConvertDateDialog(QWidget *parent = nullptr);

    DateTemplate layout() const;
    QComboBox *layouts() const { return m_layouts; }

private:
    QComboBox *m_layouts = nullptr;
};

} // namespace quillog::ui
