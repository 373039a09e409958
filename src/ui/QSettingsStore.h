// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "settings/KeyValueStore.h"

#include <QSettings>

namespace quillog::ui
{

/// The settings store on QSettings: organisation and application "Quillog" in the native format
/// (~/.config/Quillog/Quillog.conf), or one given INI file.
class QSettingsStore : public KeyValueStore
{
public:
    QSettingsStore();
    /// Keeps the values in the INI file at path (tests, portable use).
    explicit QSettingsStore(const QString &path);

    std::optional<std::int32_t> readInteger(std::string_view key) const override;
    std::optional<std::string> readString(std::string_view key) const override;
    bool writeInteger(std::string_view key, std::int32_t value) override;
    bool writeString(std::string_view key, std::string_view value) override;
    bool remove(std::string_view key) override;

    /// Writes pending changes to disk.
    void sync();

private:
    bool writeValue(std::string_view key, const QVariant &value);

    mutable QSettings m_settings;
};

} // namespace quillog::ui
