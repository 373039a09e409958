// SPDX-License-Identifier: GPL-3.0-or-later
// Rules between the fields of one QSO and what a service asks of it.
#include "check/LogValidation.h"
#include "check/ValidationContext.h"
#include "check/ValidationProfiles.h"
#include "check/ValidationRules.h"
#include "check/ValueTests.h"
#include "core/Text.h"
#include "definitions/AdifCatalogue.h"

#include <algorithm>
#include <string>

namespace quillog
{

namespace
{

// HHMM and HHMMSS compared as HHMMSS.
std::string seconds(std::string_view time)
{
    std::string text(time);
    if (text.size() == 4)
        text += "00";
    return text;
}

void checkEnd(RowFindings &row)
{
    const std::string_view dateOn = row.value("QSO_DATE"), timeOn = row.value("TIME_ON");
    const std::string_view dateOff = row.value("QSO_DATE_OFF"), timeOff = row.value("TIME_OFF");
    // Without QSO_DATE_OFF a TIME_OFF before TIME_ON is a QSO that went past midnight.
    if (!isValidQsoDate(dateOn) || !isValidQsoDate(dateOff))
        return;
    if (dateOff < dateOn) {
        row.add("QSO_DATE_OFF", Severity::Error,
            fieldAndValue("QSO_DATE_OFF", dateOff) + " is before " + fieldAndValue("QSO_DATE", dateOn));
        return;
    }
    if (dateOff == dateOn && isValidQsoTime(timeOn) && isValidQsoTime(timeOff)
        && seconds(timeOff) < seconds(timeOn))
        row.add("TIME_OFF", Severity::Error,
            fieldAndValue("TIME_OFF", timeOff) + " is before " + fieldAndValue("TIME_ON", timeOn)
                + " on the same day");
}

void checkNotFuture(RowFindings &row, std::string_view field, const std::string &today, bool futureIsError)
{
    const std::string_view date = row.value(field);
    if (isValidQsoDate(date) && date > today)
        row.add(field, futureIsError ? Severity::Error : Severity::Warning,
            fieldAndValue(field, date) + " is in the future (today is " + today + " UTC)");
}

std::string joined(const FieldAlternatives &names)
{
    std::string text;
    for (std::size_t at = 0; at < names.size(); ++at)
        text += (at == 0 ? "" : " or ") + std::string(names[at]);
    return text;
}

// A missing BAND that the frequency gives: " (FREQ 14.074 lies in 20m)".
std::string bandHint(const RowFindings &row, std::string_view field, const AdifCatalogue &catalogue)
{
    const std::string_view frequency = row.value(field == "BAND" ? "FREQ" : "FREQ_RX");
    if ((field != "BAND" && field != "BAND_RX") || frequency.empty()
        || typeProblem(AdifType::Number, frequency))
        return {};
    const AdifBand *band = catalogue.bandOfFrequency(numberValue(frequency));
    return band == nullptr ? std::string()
                           : " (" + fieldAndValue(field == "BAND" ? "FREQ" : "FREQ_RX", frequency)
            + " lies in " + band->name + ")";
}

void checkRequired(RowFindings &row, const ValidationProfile &profile, const AdifCatalogue &catalogue)
{
    for (const FieldAlternatives &names : profile.required) {
        const bool present = std::any_of(
            names.begin(), names.end(), [&](std::string_view name) { return !row.value(name).empty(); });
        if (!present)
            row.add(names.front(), Severity::Error,
                joined(names) + " is missing; " + std::string(profile.service) + " needs it for every QSO"
                    + bandHint(row, names.front(), catalogue));
    }
}

void checkPark(RowFindings &row, const ValidationProfile &profile)
{
    if (!row.value("MY_POTA_REF").empty())
        return;
    const std::string_view signal = row.value("MY_SIG"), info = row.value("MY_SIG_INFO");
    if (equalsIgnoreCase(signal, "POTA") && !info.empty()) {
        if (!isPotaReference(info))
            row.add("MY_SIG_INFO", Severity::Error,
                fieldAndValue("MY_SIG_INFO", info) + " is not a POTA park reference (e.g. K-0817)");
        return;
    }
    row.add("MY_POTA_REF", Severity::Error,
        "MY_POTA_REF (or MY_SIG POTA with MY_SIG_INFO) is missing; " + std::string(profile.service)
            + " needs the activated park");
}

} // namespace

void checkQsoTimes(RowFindings &row, const ValidationOptions &options, bool futureIsError)
{
    checkEnd(row);
    const std::string today = std::to_string(options.today == 0 ? todayUtc() : options.today);
    checkNotFuture(row, "QSO_DATE", today, futureIsError);
    checkNotFuture(row, "QSO_DATE_OFF", today, futureIsError);
}

void checkProfile(RowFindings &row, const ValidationProfile &profile, const AdifCatalogue &catalogue)
{
    checkRequired(row, profile, catalogue);
    const std::string_view call = row.value("CALL");
    if (profile.callMustBeCallsign && !call.empty() && !isValidCallsign(call))
        row.add("CALL", Severity::Error,
            fieldAndValue("CALL", call) + " is not a call sign; " + std::string(profile.service)
                + " refuses it");
    const std::string_view date = row.value("QSO_DATE");
    if (!profile.earliestDate.empty() && isValidQsoDate(date) && date < profile.earliestDate)
        row.add("QSO_DATE", Severity::Error,
            fieldAndValue("QSO_DATE", date) + " is before " + std::string(profile.earliestDate)
                + ", the earliest date " + std::string(profile.service) + " takes");
    if (profile.satelliteNeedsName && equalsIgnoreCase(row.value("PROP_MODE"), "SAT")
        && row.value("SAT_NAME").empty())
        row.add("SAT_NAME", Severity::Error,
            "SAT_NAME is missing; " + std::string(profile.service)
                + " needs it for a QSO with PROP_MODE SAT");
    if (profile.parkReference)
        checkPark(row, profile);
}

} // namespace quillog
