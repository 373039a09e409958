// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/SaveSettings.h"

#include "definitions/Definitions.h"
#include "settings/Settings.h"

namespace quillog
{

SaveOptions saveOptionsFor(const Settings &settings, bool selectionOnly)
{
    SaveOptions options;
    options.typeIndicator = settings.useTypeIndicator;
    options.commaFrequency = settings.useCommaFreq;
    options.lowerCase = settings.useLowerCase;
    options.noChecks = settings.doNotCheckRequired;
    options.separateQsos = settings.separateQso;
    options.selectionOnly = selectionOnly;
    options.csvSeparator = settings.csvSeparator;
    return options;
}

SaveDefinitions saveDefinitionsFor(const Definitions &definitions)
{
    SaveDefinitions save;
    save.modes = definitions.modes;
    save.bands = definitions.bands;
    save.typeMap = definitions.typeMap;
    save.adifVersion = definitions.adifVersion;
    return save;
}

} // namespace quillog
