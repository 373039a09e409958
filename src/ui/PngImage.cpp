// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PngImage.h"

#include <QByteArray>
#include <QFile>
#include <QPixmap>
#include <QString>
#include <png.h>

// The icons are compiled into this static library; its resource initialiser must be called by name,
// since the linker drops an object nothing refers to. Q_INIT_RESOURCE works only outside a namespace.
static void initQuillogResources()
{
    Q_INIT_RESOURCE(quillog);
}

namespace quillog::ui
{

QImage decodePng(const QByteArray &bytes)
{
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.constData(), static_cast<size_t>(bytes.size())))
        return {};
    // BGRA in memory is what QImage's ARGB32 holds on a little-endian machine; libpng's simplified
    // reader gives straight (not premultiplied) alpha, matching Format_ARGB32.
    image.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage result(static_cast<int>(image.width), static_cast<int>(image.height), QImage::Format_ARGB32);
    if (result.isNull()) {
        png_image_free(&image);
        return {};
    }
    const auto stride = static_cast<png_int_32>(result.bytesPerLine());
    if (!png_image_finish_read(&image, nullptr, result.bits(), stride, nullptr)) {
        png_image_free(&image);
        return {};
    }
    return result;
}

QImage loadPngResource(const QString &resourcePath)
{
    static const bool resourcesReady = (initQuillogResources(), true);
    Q_UNUSED(resourcesReady);
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return decodePng(file.readAll());
}

QIcon pngIcon(const QString &resourcePath)
{
    const QImage image = loadPngResource(resourcePath);
    if (image.isNull())
        return {};
    return QIcon(QPixmap::fromImage(image));
}

QIcon programIcon()
{
    QIcon embedded;
    for (const int size : { 16, 24, 32, 48, 64, 128, 256 }) {
        const QImage image = loadPngResource(QStringLiteral(":/icons/quillog-%1.png").arg(size));
        if (!image.isNull())
            embedded.addPixmap(QPixmap::fromImage(image));
    }
    return embedded;
}

} // namespace quillog::ui
