// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/LogValidation.h"

#include "CheckTables.h"
#include "TestSupport.h"
#include "check/ValidationProfiles.h"
#include "core/Progress.h"
#include "definitions/AdifCatalogue.h"
#include "formats/AdiReader.h"

#include <gtest/gtest.h>
#include <map>

using namespace quillog;
using quillog::test::logOf;

namespace
{

constexpr int kToday = 20251210;

const AdifCatalogue &catalogue()
{
    static const AdifCatalogueLoad load = loadAdifCatalogue(QUILLOG_TEMPLATES_FILE);
    return load.catalogue;
}

using Fields = std::vector<std::pair<std::string, std::string>>;

// A clean QSO with the given fields added or replaced.
LogTable qsoWith(const Fields &changes)
{
    Fields fields { { "CALL", "W1AW" }, { "QSO_DATE", "20240105" }, { "TIME_ON", "1200" }, { "BAND", "20m" },
        { "FREQ", "14.074" }, { "MODE", "FT8" } };
    for (const auto &change : changes) {
        auto found = std::find_if(
            fields.begin(), fields.end(), [&](const auto &field) { return field.first == change.first; });
        if (found != fields.end())
            found->second = change.second;
        else
            fields.push_back(change);
    }
    std::vector<std::string> headers, values;
    for (const auto &[name, value] : fields) {
        headers.push_back(name);
        values.push_back(value);
    }
    return logOf(headers, { values });
}

ValidationReport validate(
    const LogTable &table, std::string_view profile = "adif", bool commaFrequency = false)
{
    RunningFlag progress;
    ValidationOptions options;
    options.profile = findValidationProfile(profile);
    options.commaFrequency = commaFrequency;
    options.today = kToday;
    return validateLog(table, catalogue(), options, progress);
}

// "FIELD:error" or "FIELD:warning" for each finding, joined by blanks.
std::string verdicts(const ValidationReport &report)
{
    std::string text;
    for (const Finding &finding : report.findings)
        text += (text.empty() ? "" : " ") + finding.field + ":" + std::string(severityName(finding.severity));
    return text;
}

} // namespace

TEST(LogValidation, ShippedTablesCarryAllOfAdif)
{
    const AdifCatalogue &tables = catalogue();
    ASSERT_FALSE(tables.isEmpty());
    EXPECT_EQ(tables.bands().size(), 33u);
    ASSERT_NE(tables.field("cqz"), nullptr);
    EXPECT_EQ(tables.field("CQZ")->maximum, 40);
    EXPECT_EQ(tables.enumeration("DXCC_Entity_Code")->values().size(), 403u);
    EXPECT_TRUE(tables.enumeration("DXCC_Entity_Code")->find("2").front()->deleted);
    EXPECT_NE(tables.enumeration("Primary_Administrative_Subdivision")->find("QC", "1"), nullptr);
    EXPECT_EQ(tables.enumeration("Submode")->find("FT4").front()->scope, "MFSK");
    EXPECT_EQ(tables.bandOfFrequency(14.074)->name, "20m");
}

TEST(LogValidation, EachFieldRuleFlagsTheValueBeyondItsEdge)
{
    struct Case {
        const char *field, *value, *expected;
    };
    const Case cases[] = {
        { "CQZ", "1", "" },
        { "CQZ", "40", "" },
        { "CQZ", "41", "CQZ:error" },
        { "CQZ", "0", "CQZ:error" },
        { "ITUZ", "90", "" },
        { "ITUZ", "91", "ITUZ:error" },
        { "K_INDEX", "9", "" },
        { "K_INDEX", "10", "K_INDEX:error" },
        { "AGE", "120", "" },
        { "AGE", "120.5", "AGE:error" },
        { "ANT_EL", "-90", "" },
        { "ANT_EL", "-91", "ANT_EL:error" },
        { "DXCC", "291", "" },
        { "DXCC", "001", "" },
        { "DXCC", "999", "DXCC:error" },
        { "DXCC", "2", "DXCC:warning" },
        { "CONT", "eu", "" },
        { "CONT", "XX", "CONT:error" },
        { "QSL_RCVD", "Y", "" },
        { "QSL_RCVD", "X", "QSL_RCVD:error" },
        { "QSL_RCVD", "V", "QSL_RCVD:warning" },
        { "PROP_MODE", "SAT", "" },
        { "PROP_MODE", "SATT", "PROP_MODE:error" },
        { "ARRL_SECT", "CT", "" },
        { "ARRL_SECT", "ZZ", "ARRL_SECT:error" },
        { "CONTEST_ID", "CQ-WW-CW", "" },
        { "CONTEST_ID", "MY-OWN-TEST", "CONTEST_ID:warning" },
        { "MODE", "PSK31", "MODE:warning" },
        { "MODE", "USB", "MODE:error" },
        { "BAND", "20M", "" },
        { "BAND", "11m", "BAND:error" },
        { "GRIDSQUARE", "FN31pr", "" },
        { "GRIDSQUARE", "ZZ99", "GRIDSQUARE:error" },
        { "SWL", "N", "" },
        { "SWL", "X", "SWL:error" },
        { "CREDIT_SUBMITTED", "DXCC:LOTW&CARD,IOTA", "" },
        { "CREDIT_SUBMITTED", "DXCC:FAX", "CREDIT_SUBMITTED:error" },
        { "AWARD_SUBMITTED", "ARRL_DXCC", "" },
        { "AWARD_SUBMITTED", "MY_AWARD", "AWARD_SUBMITTED:error" },
        { "VE_PROV", "ON", "VE_PROV:warning" },
        { "NAME", "Ren\xC3\xA9", "NAME:warning" },
        { "NAME_INTL", "Ren\xC3\xA9", "" },
        { "APP_MYLOG_ANYTHING", "x\ty", "" },
        { "QSLSDATE", "19291231", "QSLSDATE:error" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(verdicts(validate(qsoWith({ { c.field, c.value } }))), c.expected)
            << c.field << " " << c.value;
}

TEST(LogValidation, FieldsThatDependOnAnotherFieldAreJudgedWithIt)
{
    struct Case {
        Fields fields;
        const char *expected;
    };
    const Case cases[] = {
        { { { "DXCC", "1" }, { "STATE", "QC" } }, "" },
        { { { "DXCC", "1" }, { "STATE", "CA" } }, "STATE:error" },
        { { { "STATE", "CA" } }, "" }, // without the entity nothing can be said
        { { { "DXCC", "291" }, { "CNTY", "CT,Hartford" } }, "" }, // ADIF does not list these counties
        { { { "MODE", "MFSK" }, { "SUBMODE", "FT4" } }, "" },
        { { { "MODE", "CW" }, { "SUBMODE", "FT4" } }, "SUBMODE:error" },
        { { { "MODE", "MFSK" }, { "SUBMODE", "NEWMODE" } }, "SUBMODE:warning" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(verdicts(validate(qsoWith(c.fields))), c.expected) << c.expected;
}

TEST(LogValidation, AMissingBandSaysWhichBandTheFrequencyGives)
{
    const ValidationReport report = validate(qsoWith({ { "BAND", "" }, { "FREQ", "7.074" } }), "eqsl");
    ASSERT_EQ(report.findings.size(), 1u);
    EXPECT_EQ(
        report.findings[0].message, "BAND is missing; eQSL needs it for every QSO (FREQ 7.074 lies in 40m)");
}

TEST(LogValidation, FrequencyMustLieInItsBandAndSaysWhenItLooksLikeKilohertz)
{
    struct Case {
        Fields fields;
        const char *message; // the one finding's message, or "" for none
        Severity severity;
    };
    const Case cases[] = {
        { { { "FREQ", "14.000" } }, "", Severity::Error }, // band edges are inclusive
        { { { "FREQ", "14.35" } }, "", Severity::Error },
        { { { "FREQ", "14.3501" } }, "FREQ 14.3501 MHz is not in band 20m (14.0–14.35 MHz)",
            Severity::Error },
        { { { "BAND", "10m" }, { "FREQ", "14.075" } }, "FREQ 14.075 MHz is not in band 10m (28.0–29.7 MHz)",
            Severity::Error },
        { { { "FREQ", "14074" } }, "14074 looks like kHz: did you mean 14.074 MHz?", Severity::Error },
        { { { "FREQ", "14074000" } }, "14074000 looks like Hz: did you mean 14.074 MHz?", Severity::Error },
        { { { "BAND", "" }, { "FREQ", "7074" } }, "7074 looks like kHz: did you mean 7.074 MHz?",
            Severity::Error },
        { { { "BAND", "" }, { "FREQ", "12.5" } }, "FREQ 12.5 MHz lies in no ADIF band", Severity::Warning },
        { { { "FREQ", "14,074" } }, "FREQ 14,074 has a decimal comma; ADIF wants a point (14.074)",
            Severity::Warning },
        { { { "FREQ", "fourteen" } }, "FREQ fourteen is not a frequency in MHz (a number above 0)",
            Severity::Error },
        { { { "BAND_RX", "70cm" }, { "FREQ_RX", "435.1" } }, "", Severity::Error },
        { { { "BAND_RX", "2m" }, { "FREQ_RX", "435.1" } },
            "FREQ_RX 435.1 MHz is not in band 2m (144–148 MHz)", Severity::Error },
    };
    for (const Case &c : cases) {
        const ValidationReport report = validate(qsoWith(c.fields));
        if (*c.message == '\0') {
            EXPECT_TRUE(report.findings.empty()) << verdicts(report);
            continue;
        }
        ASSERT_EQ(report.findings.size(), 1u) << c.message << ": " << verdicts(report);
        EXPECT_EQ(report.findings[0].message, c.message);
        EXPECT_EQ(report.findings[0].severity, c.severity) << c.message;
    }
}

TEST(LogValidation, DecimalCommaIsRefusedByTheServicesOnlyWhenTheSaveKeepsIt)
{
    const LogTable table = qsoWith({ { "FREQ", "14,074" } });
    EXPECT_EQ(verdicts(validate(table, "adif", true)), "FREQ:warning");
    EXPECT_EQ(verdicts(validate(table, "lotw", false)), "FREQ:warning");
    EXPECT_EQ(verdicts(validate(table, "lotw", true)), "FREQ:error");
}

TEST(LogValidation, TheEndOfAQsoMayNotComeBeforeItsStartNorAnyDateLieAhead)
{
    struct Case {
        Fields fields;
        const char *expected;
    };
    const Case cases[] = {
        { { { "TIME_ON", "2350" }, { "TIME_OFF", "0010" } }, "" }, // past midnight
        { { { "TIME_ON", "2350" }, { "QSO_DATE_OFF", "20240106" }, { "TIME_OFF", "0010" } }, "" },
        { { { "TIME_ON", "1200" }, { "QSO_DATE_OFF", "20240105" }, { "TIME_OFF", "1200" } }, "" },
        { { { "TIME_ON", "1200" }, { "QSO_DATE_OFF", "20240105" }, { "TIME_OFF", "115959" } },
            "TIME_OFF:error" },
        { { { "QSO_DATE_OFF", "20240104" } }, "QSO_DATE_OFF:error" },
        { { { "QSO_DATE", "20251210" } }, "" },
        { { { "QSO_DATE", "20251211" } }, "QSO_DATE:warning" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(verdicts(validate(qsoWith(c.fields))), c.expected) << c.expected;
}

TEST(LogValidation, EachProfileAsksWhatItsServiceNeeds)
{
    struct Case {
        const char *profile;
        Fields fields;
        const char *expected;
    };
    const Case cases[] = {
        { "adif", { { "MODE", "" } }, "MODE:error" },
        { "adif", { { "BAND", "" } }, "" },
        { "adif", { { "CALL", "SWL-123" } }, "" },
        { "lotw", { { "BAND", "" } }, "" },
        { "lotw", { { "CALL", "HELLO" } }, "CALL:error" },
        { "lotw", { { "QSO_DATE", "19451031" } }, "QSO_DATE:error" },
        { "lotw", { { "QSO_DATE", "19451101" } }, "" },
        { "lotw", { { "PROP_MODE", "SAT" } }, "SAT_NAME:error" },
        { "lotw", { { "PROP_MODE", "SAT" }, { "SAT_NAME", "AO-91" } }, "" },
        { "lotw", { { "QSO_DATE", "20251211" } }, "QSO_DATE:error" },
        { "eqsl", { { "BAND", "" } }, "BAND:error" },
        { "eqsl", { { "TIME_ON", "" } }, "TIME_ON:error" },
        { "clublog", { { "QSO_DATE", "19451114" } }, "QSO_DATE:error" },
        { "clublog", { { "BAND", "" } }, "" },
        { "pota", { { "STATION_CALLSIGN", "W1AW/P" }, { "MY_POTA_REF", "K-0817" } }, "" },
        { "pota", { { "OPERATOR", "W1AW" }, { "MY_SIG", "POTA" }, { "MY_SIG_INFO", "K-0817" } }, "" },
        { "pota", { { "OPERATOR", "W1AW" }, { "MY_SIG", "POTA" }, { "MY_SIG_INFO", "Hill park" } },
            "MY_SIG_INFO:error" },
        { "pota", { { "MY_POTA_REF", "K-0817" } }, "STATION_CALLSIGN:error" },
        { "pota", { { "STATION_CALLSIGN", "W1AW/P" } }, "MY_POTA_REF:error" },
        { "pota", { { "STATION_CALLSIGN", "W1AW/P" }, { "MY_POTA_REF", "K-817" } }, "MY_POTA_REF:error" },
    };
    for (const Case &c : cases)
        EXPECT_EQ(verdicts(validate(qsoWith(c.fields), c.profile)), c.expected)
            << c.profile << " " << c.expected;
}

TEST(LogValidation, MessagesNameTheFieldTheValueAndTheRule)
{
    struct Case {
        Fields fields;
        const char *message;
    };
    const Case cases[] = {
        { { { "CQZ", "41" } }, "CQZ 41 is out of range 1–40" },
        { { { "MODE", "CW" }, { "SUBMODE", "FT4" } },
            "SUBMODE FT4 does not belong to MODE CW (it belongs to MODE MFSK)" },
        { { { "MODE", "USB" } }, "MODE USB is not in the ADIF Mode list: write MODE SSB with SUBMODE USB" },
        { { { "QSL_RCVD", "X" } }, "QSL_RCVD X is not one of Y, N, R, I, V" },
        { { { "DXCC", "1" }, { "STATE", "CA" } },
            "STATE CA does not belong to DXCC 1 (CANADA) (it belongs to DXCC 291, 281, 225, 148, 144)" },
        { { { "DXCC", "291" }, { "STATE", "XX" } },
            "STATE XX does not belong to DXCC 291 (UNITED STATES OF AMERICA)" },
        { { { "DXCC", "2" } }, "DXCC 2 (ABU AIL IS.) is a deleted DXCC entity" },
        { { { "MODE", "" } }, "MODE is missing; ADIF needs it for every QSO" },
        { { { "QSO_DATE", "20990101" } }, "QSO_DATE 20990101 is in the future (today is 20251210 UTC)" },
        { { { "TIME_OFF", "2460" } },
            "TIME_OFF 2460 is not a time written HHMM or HHMMSS (hours 00-23, minutes and seconds 00-59)" },
    };
    for (const Case &c : cases) {
        const ValidationReport report = validate(qsoWith(c.fields));
        ASSERT_EQ(report.findings.size(), 1u) << c.message;
        EXPECT_EQ(report.findings[0].message, c.message);
    }
}

TEST(LogValidation, PlantedFaultsAreFoundOnTheirRowsAndFieldsAndCleanQsosPass)
{
    LogTable table;
    RunningFlag reading;
    ASSERT_TRUE(readAdiFile(test::dataFile("check/planted_faults.adi"), table, {}, reading).ok);
    table.insertColumn("#", 0);
    table.setFixedColumnCount(1);
    std::map<int, std::string> byRow;
    const ValidationReport report = validate(table);
    for (const Finding &finding : report.findings)
        byRow[finding.row] += (byRow[finding.row].empty() ? "" : " ") + finding.field;
    const std::map<int, std::string> expected {
        { 2, "FREQ" },
        { 3, "FREQ SUBMODE" },
        { 4, "TIME_OFF QSO_DATE_OFF" },
        { 5, "DXCC CONT QSL_RCVD CQZ GRIDSQUARE" },
        { 6, "QSO_DATE FREQ" },
        { 7, "FREQ STATE K_INDEX ITUZ" },
        { 8, "MODE IOTA SOTA_REF" },
        { 11, "QSO_DATE_OFF" },
        { 12, "TIME_OFF" },
    };
    EXPECT_EQ(byRow, expected);
    EXPECT_EQ(
        report.summary("adif", table.qsoCount()), "18 errors and 3 warnings in 9 of 12 QSOs (profile adif).");
}

TEST(LogValidation, TheAdifExamplesHaveOnlyTheirKnownFaults)
{
    struct Case {
        const char *file, *findings;
    };
    for (const Case &c : {
             // QSO 2: its power is "2W" and its address breaks lines with LF only; QSO 4 has no MODE.
             Case { "adi/adif_reference_example.adi", "2 TX_PWR error\n2 ADDRESS warning\n4 MODE error\n" },
             // The ADIF group's own test QSOs: every band, deprecated-free modes, deleted DXCC entities
             // on dates when they counted, multi-line values and application fields.
             Case { "check/adif_316_test_qsos_excerpt.adi", "" },
         }) {
        LogTable table;
        RunningFlag reading;
        ASSERT_TRUE(readAdiFile(test::dataFile(c.file), table, {}, reading).ok) << c.file;
        table.insertColumn("#", 0);
        table.setFixedColumnCount(1);
        std::string found;
        for (const Finding &finding : validate(table).findings)
            found += std::to_string(finding.row) + " " + finding.field + " "
                + std::string(severityName(finding.severity)) + "\n";
        EXPECT_EQ(found, c.findings) << c.file;
        EXPECT_GT(table.qsoCount(), 3) << c.file;
    }
}

TEST(LogValidation, MarksCellsLikeTheCheckSoThatInvalidQsosCanBeStepped)
{
    const CheckColours colours { makeColour(250, 250, 250), makeColour(255, 200, 200) };
    LogTable table = logOf({ "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE", "CQZ" },
        { { "W1AW", "20240105", "1200", "20m", "CW", "5" },
            { "W1AW", "20240105", "1200", "20m", "CW", "41" } });
    table.setBackgroundColour(1, 2, colours.marked); // an old mark on a row that now passes
    markFindings(table, validate(table), colours);
    EXPECT_EQ(table.backgroundColour(1, 2), colours.normal);
    EXPECT_EQ(table.backgroundColour(2, 6), colours.marked);
    EXPECT_EQ(table.backgroundColour(2, 1), rowColourFor(colours.marked));
}

TEST(LogValidation, AStopEndsTheWalkAndLeavesTheRestUnlooked)
{
    const LogTable table = logOf({ "CALL", "QSO_DATE", "TIME_ON", "BAND", "MODE" },
        { { "W1AW", "x", "1200", "20m", "CW" }, { "W1AW", "x", "1200", "20m", "CW" } });
    test::StopAfter progress(1);
    ValidationOptions options;
    options.today = kToday;
    const ValidationReport report = validateLog(table, catalogue(), options, progress);
    EXPECT_TRUE(report.stopped);
    EXPECT_EQ(report.rowsChecked, 1);
    EXPECT_EQ(report.errors, 1);
}

TEST(LogValidation, WithoutItsTablesTheValidatorDoesNotRun)
{
    const auto folder = test::freshFolder("validation-tables");
    const std::string damaged = (folder / "damaged.dat").string(), older = (folder / "older.dat").string();
    std::string bytes = test::fileContents(QUILLOG_TEMPLATES_FILE);
    test::writeFile(damaged, bytes.substr(0, bytes.size() / 2)); // cut short
    test::writeFile(older, "QUILLOG-TEMPLATES 1\nSECTION 109 5\n3.1.4\nEND\n"); // without the ADIF tables
    for (const std::string &path : { damaged, older, (folder / "missing.dat").string() })
        EXPECT_FALSE(loadAdifCatalogue(path).ok) << path;
    EXPECT_TRUE(loadAdifCatalogue(QUILLOG_TEMPLATES_FILE).ok);
}
