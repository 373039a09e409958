// SPDX-License-Identifier: GPL-3.0-or-later
// What each log service asks of an uploaded ADIF file, as its own published upload documentation says.
// Only rules a service states (or enforces by refusing the upload) are listed; everything else is left to
// the ADIF rules every profile includes.
#include "check/ValidationProfiles.h"

#include "core/Text.h"

namespace quillog
{

const std::vector<ValidationProfile> &validationProfiles()
{
    static const std::vector<ValidationProfile> profiles {
        // ADIF 3.1.6 (adif.org.uk/316/ADIF_316.htm) and the fields without which a
        // record is no QSO at all: who, when, on which band and in which mode.
        { "adif", "ADIF", { { "CALL" }, { "QSO_DATE" }, { "TIME_ON" }, { "BAND", "FREQ" }, { "MODE" } }, {},
            false, false, false, false },
        // ARRL Logbook of The World, "Developer Information: Submitting QSOs to LoTW" and the TQSL
        // "Signing and uploading ADIF files" help: TQSL signs CALL, QSO_DATE, TIME_ON, BAND (or FREQ,
        // from which it takes the band), MODE, and for satellite QSOs PROP_MODE SAT with SAT_NAME;
        // QSOs before 1 November 1945 are refused; the call must be a valid call sign.
        { "lotw", "LoTW", { { "CALL" }, { "QSO_DATE" }, { "TIME_ON" }, { "BAND", "FREQ" }, { "MODE" } },
            "19451101", true, true, false, true },
        // eQSL.cc, "Content Specification for ADIF uploads to eQSL.cc" (eqsl.cc/QSLCard/ADIFContentSpecs.cfm)
        // and "eQSL.cc Real-Time Logging Software Interface" (ImportADIF.txt): CALL, QSO_DATE, TIME_ON,
        // BAND and MODE are mandatory; SAT_NAME is kept for satellite QSOs.
        { "eqsl", "eQSL", { { "CALL" }, { "QSO_DATE" }, { "TIME_ON" }, { "BAND" }, { "MODE" } }, {}, true,
            true, false, true },
        // Club Log, "Uploading logs: which ADIF fields Club Log uses" (the Club Log help desk): CALL,
        // QSO_DATE, TIME_ON, BAND or FREQ and MODE; QSOs before 15 November 1945 count for no DXCC
        // entity and are refused.
        { "clublog", "Club Log",
            { { "CALL" }, { "QSO_DATE" }, { "TIME_ON" }, { "BAND", "FREQ" }, { "MODE" } }, "19451115", true,
            false, false, true },
        // Parks on the Air, "Activator log submission" in the POTA documentation (docs.pota.app): every QSO
        // needs STATION_CALLSIGN (or OPERATOR), CALL, QSO_DATE, TIME_ON, BAND and MODE, and the park:
        // MY_SIG POTA with MY_SIG_INFO, or MY_POTA_REF.
        { "pota", "POTA",
            { { "STATION_CALLSIGN", "OPERATOR" }, { "CALL" }, { "QSO_DATE" }, { "TIME_ON" }, { "BAND" },
                { "MODE" } },
            {}, true, false, true, true },
    };
    return profiles;
}

const ValidationProfile *findValidationProfile(std::string_view name)
{
    for (const ValidationProfile &profile : validationProfiles()) {
        if (equalsIgnoreCase(profile.name, name))
            return &profile;
    }
    return nullptr;
}

} // namespace quillog
