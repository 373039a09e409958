// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace quillog
{

class AdifCatalogue;
class RowFindings;
class ValidationColumns;
struct ValidationOptions;
struct ValidationProfile;

/// Every field's value against its ADIF data type, range and enumeration (FREQ and FREQ_RX excepted:
/// checkFrequencies() tests them with their bands).
void checkFieldValues(RowFindings &row, const ValidationColumns &columns, const AdifCatalogue &catalogue);

/// FREQ within BAND and FREQ_RX within BAND_RX, a frequency in no band, values in kHz or Hz, a decimal
/// comma.
void checkFrequencies(RowFindings &row, const AdifCatalogue &catalogue, const ValidationOptions &options);

/// The QSO's times: the end not before the start, no date in the future.
void checkQsoTimes(RowFindings &row, const ValidationOptions &options, bool futureIsError);

/// What the service of the profile needs beyond ADIF.
void checkProfile(RowFindings &row, const ValidationProfile &profile, const AdifCatalogue &catalogue);

} // namespace quillog
