// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/ClipboardGlue.h"

#include <QMimeData>

namespace quillog::ui
{

QMimeData *clipboardData(const QString &text, bool markAsAdif)
{
    auto *data = new QMimeData;
    data->setText(text);
    if (markAsAdif)
        data->setData(QString::fromLatin1(adifMimeType), text.toUtf8());
    return data;
}

bool isMarkedAsAdif(const QMimeData *data)
{
    return data != nullptr && data->hasFormat(QString::fromLatin1(adifMimeType));
}

} // namespace quillog::ui
