// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QValidator>

namespace quillog
{

/// Accepts anything and shows it in capitals while the operator types (calls, operators, list entries).
class UpperCaseValidator : public QValidator
{
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        input = input.toUpper();
        return Acceptable;
    }
};

} // namespace quillog
