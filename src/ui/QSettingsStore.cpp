// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/QSettingsStore.h"

#include "core/ProgramInfo.h"

#include <limits>

namespace quillog::ui
{

namespace
{

QString keyOf(std::string_view key)
{
    return QString::fromUtf8(key.data(), static_cast<qsizetype>(key.size()));
}

QString programNameText()
{
    return keyOf(programName);
}

} // namespace

QSettingsStore::QSettingsStore()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, programNameText(), programNameText())
{
}

QSettingsStore::QSettingsStore(const QString &path)
    : m_settings(path, QSettings::IniFormat)
{
}

std::optional<std::int32_t> QSettingsStore::readInteger(std::string_view key) const
{
    const QVariant value = m_settings.value(keyOf(key));
    if (!value.isValid())
        return std::nullopt;
    // The file keeps every value as text, so a number read back from disk arrives as a string.
    bool ok = false;
    const qlonglong number = value.toString().trimmed().toLongLong(&ok, 0);
    if (!ok || number < std::numeric_limits<std::int32_t>::min()
        || number > std::numeric_limits<std::uint32_t>::max())
        return std::nullopt;
    // Colours above 0x7FFFFFFF come back as the same 32 bits.
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(number));
}

std::optional<std::string> QSettingsStore::readString(std::string_view key) const
{
    const QVariant value = m_settings.value(keyOf(key));
    if (!value.isValid() || !value.canConvert<QString>())
        return std::nullopt;
    return value.toString().toStdString();
}

bool QSettingsStore::writeValue(std::string_view key, const QVariant &value)
{
    if (!m_settings.isWritable())
        return false;
    m_settings.setValue(keyOf(key), value);
    return m_settings.status() == QSettings::NoError;
}

bool QSettingsStore::writeInteger(std::string_view key, std::int32_t value)
{
    return writeValue(key, QVariant(value));
}

bool QSettingsStore::writeString(std::string_view key, std::string_view value)
{
    return writeValue(key, QVariant(keyOf(value)));
}

bool QSettingsStore::remove(std::string_view key)
{
    if (!m_settings.contains(keyOf(key)))
        return true;
    if (!m_settings.isWritable())
        return false;
    m_settings.remove(keyOf(key));
    return !m_settings.contains(keyOf(key));
}

void QSettingsStore::sync()
{
    m_settings.sync();
}

} // namespace quillog::ui
