// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QImage>

class QByteArray;
class QString;

namespace quillog::ui
{

/// Decodes PNG bytes with libpng into a 32-bit image; a null image when the bytes are no PNG.
QImage decodePng(const QByteArray &bytes);
/// Decodes a PNG compiled into the program (":/icons/stop.png"); null when it is missing or broken.
QImage loadPngResource(const QString &resourcePath);
/// An icon drawn from a PNG resource; an empty icon when the resource cannot be decoded.
QIcon pngIcon(const QString &resourcePath);
/// The program's own icon for its windows, from the sizes compiled into the program (the same picture
/// as the hicolor theme's "quillog", which the desktop entry names; Qt may have no SVG support).
QIcon programIcon();

} // namespace quillog::ui
