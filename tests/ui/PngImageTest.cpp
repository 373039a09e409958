// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/PngImage.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace quillog::ui
{

TEST(PngImage, EveryIconDecodesLikeQtsOwnReader)
{
    ASSERT_FALSE(loadPngResource(QStringLiteral(":/icons/stop.png")).isNull());
    int icons = 0;
    const QStringList toolbarIcons = QDir(QStringLiteral(":/icons")).entryList({ QStringLiteral("*.png") });
    for (const QString &name : toolbarIcons) {
        if (name.startsWith(QStringLiteral("quillog-")))
            continue; // the program's own icon, tested by its sizes below
        const QString path = QStringLiteral(":/icons/") + name;
        const QImage ours = loadPngResource(path);
        const QImage qts = QImage(path).convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(ours.isNull()) << path.toStdString();
        EXPECT_EQ(ours.size(), QSize(22, 22)) << path.toStdString();
        EXPECT_EQ(ours, qts) << path.toStdString();
        ++icons;
    }
    EXPECT_GE(icons, 10);
}

TEST(PngImage, TheProgramIconHasEverySize)
{
    const QIcon icon = programIcon();
    QList<int> sizes;
    for (const QSize &size : icon.availableSizes())
        sizes.append(size.width());
    EXPECT_EQ(sizes, (QList<int> { 16, 24, 32, 48, 64, 128, 256 }));
    QFile svg(QStringLiteral(":/icons/quillog.svg"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    EXPECT_TRUE(svg.readAll().contains("<svg"));
}

TEST(PngImage, KeepsTransparencyAndColour)
{
    QImage picture(3, 2, QImage::Format_ARGB32);
    picture.fill(Qt::transparent);
    picture.setPixel(0, 0, qRgba(255, 0, 0, 255));
    picture.setPixel(2, 1, qRgba(0, 0, 255, 128));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(picture.save(&buffer, "PNG"));

    const QImage decoded = decodePng(bytes);
    ASSERT_EQ(decoded.size(), QSize(3, 2));
    EXPECT_EQ(decoded.pixel(0, 0), qRgba(255, 0, 0, 255));
    EXPECT_EQ(decoded.pixel(2, 1), qRgba(0, 0, 255, 128));
    EXPECT_EQ(qAlpha(decoded.pixel(1, 0)), 0);
}

TEST(PngImage, BrokenOrMissingDataGivesANullImage)
{
    QFile file(QStringLiteral(":/icons/stop.png"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray png = file.readAll();
    EXPECT_TRUE(decodePng(QByteArray("not a picture")).isNull());
    EXPECT_TRUE(decodePng(png.left(png.size() / 2)).isNull());
    EXPECT_TRUE(decodePng(QByteArray()).isNull());
    EXPECT_TRUE(loadPngResource(QStringLiteral(":/icons/none.png")).isNull());
}

} // namespace quillog::ui
