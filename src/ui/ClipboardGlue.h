// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

class QMimeData;

namespace quillog::ui
{

/// The clipboard format that marks rows copied as ADIF by this program.
inline constexpr const char *adifMimeType = "application/x-quillog-adif";

/// Plain text, plus our own mark with the same text when it is an ADIF copy of whole rows.
QMimeData *clipboardData(const QString &text, bool markAsAdif);
bool isMarkedAsAdif(const QMimeData *data);

} // namespace quillog::ui
