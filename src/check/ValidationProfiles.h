// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>
#include <vector>

namespace quillog
{

/// Fields a QSO must have for a service: each entry is satisfied by any one of its names.
using FieldAlternatives = std::vector<std::string_view>;

/// What one log service needs and refuses beyond ADIF.
struct ValidationProfile {
    std::string_view name; ///< what the operator types: "lotw"
    std::string_view service; ///< what messages call it: "LoTW"
    std::vector<FieldAlternatives> required;
    std::string_view earliestDate; ///< YYYYMMDD; QSOs before it are refused (empty: no limit)
    bool callMustBeCallsign = false; ///< CALL must look like an amateur call sign
    bool satelliteNeedsName = false; ///< PROP_MODE SAT needs SAT_NAME
    bool parkReference = false; ///< the activator's park: MY_POTA_REF, or MY_SIG POTA with MY_SIG_INFO
    bool futureDateIsError = false; ///< the service refuses QSOs dated after today
};

/// The profiles in the order the editor offers them; the first, "adif", adds nothing to ADIF
/// itself.
const std::vector<ValidationProfile> &validationProfiles();
/// The profile of the name (letter case ignored); nullptr when there is none.
const ValidationProfile *findValidationProfile(std::string_view name);

} // namespace quillog
