// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "tools/FrequencyConversion.h"

#include <QDialog>

class QButtonGroup;

namespace quillog::ui
{

/// "Convert Frequency": the unit a frequency column holds, kHz chosen at every opening.
class ConvertFrequencyDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ConvertFrequencyDialog(QWidget *parent = nullptr);

    FrequencyUnit unit() const;
    void setUnit(FrequencyUnit unit);

private:
    QButtonGroup *m_units = nullptr;
};

} // namespace quillog::ui
