// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <string>
#include <string_view>

namespace quillog::ui
{

/// The font a stored description ("Tahoma,8,400,0") asks for, starting from the system's interface
/// font at 8 points when the description gives no face.
QFont gridFont(std::string_view description);
/// The description to store for a font the operator chose.
std::string gridFontDescription(const QFont &font);

} // namespace quillog::ui
