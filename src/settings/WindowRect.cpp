// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/WindowRect.h"

#include "settings/KeyValueStore.h"
#include "settings/SettingNames.h"

namespace quillog
{

std::optional<WindowRect> readWindowRect(const KeyValueStore &store)
{
    namespace names = settingNames;
    const auto left = store.readInteger(names::windowLeft);
    const auto top = store.readInteger(names::windowTop);
    const auto right = store.readInteger(names::windowRight);
    const auto bottom = store.readInteger(names::windowBottom);
    if (!left || !top || !right || !bottom)
        return std::nullopt;
    return WindowRect { *left, *top, *right, *bottom };
}

bool saveWindowRect(KeyValueStore &store, const WindowRect &rect)
{
    namespace names = settingNames;
    bool written = store.writeInteger(names::windowLeft, rect.left);
    written &= store.writeInteger(names::windowTop, rect.top);
    written &= store.writeInteger(names::windowRight, rect.right);
    written &= store.writeInteger(names::windowBottom, rect.bottom);
    return written;
}

void resetWindowRect(KeyValueStore &store)
{
    namespace names = settingNames;
    for (const std::string_view name :
        { names::windowLeft, names::windowTop, names::windowRight, names::windowBottom })
        store.remove(name);
}

} // namespace quillog
