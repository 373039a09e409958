// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/GridFont.h"

#include "settings/FontDescription.h"

#include <QApplication>
#include <cmath>

namespace quillog::ui
{

QFont gridFont(std::string_view description)
{
    const std::string systemFace = QApplication::font().family().toStdString();
    const FontDescription wanted = fontFromDescription(description, systemFace);
    QFont font(QString::fromStdString(wanted.faceName));
    font.setPointSize(std::max(1, wanted.pointSize));
    // Stored weights use the 100 to 900 scale that QFont::Weight also uses.
    font.setWeight(QFont::Weight(std::clamp(wanted.weight, 1, 1000)));
    font.setItalic(wanted.italic);
    return font;
}

std::string gridFontDescription(const QFont &font)
{
    FontDescription description;
    description.faceName = font.family().toStdString();
    description.pointSize = static_cast<int>(std::lround(font.pointSizeF()));
    description.weight = static_cast<int>(font.weight());
    description.italic = font.italic();
    return formatFontDescription(description);
}

} // namespace quillog::ui
