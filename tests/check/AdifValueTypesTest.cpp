// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/AdifValueTypes.h"

#include <gtest/gtest.h>

using namespace quillog;

namespace
{

enum class Verdict { Pass, Error, Warning };

Verdict verdictOf(AdifType type, std::string_view value)
{
    const auto problem = typeProblem(type, value);
    if (!problem)
        return Verdict::Pass;
    return problem->severity == Severity::Error ? Verdict::Error : Verdict::Warning;
}

} // namespace

TEST(AdifValueTypes, EachTypePassesAtItsEdgesAndFailsJustBeyond)
{
    struct Case {
        AdifType type;
        const char *value;
        Verdict verdict;
    };
    using enum AdifType;
    using enum Verdict;
    const Case cases[] = {
        { Number, "14.074", Pass },
        { Number, "-3", Pass },
        { Number, ".5", Pass },
        { Number, "7.", Pass },
        { Number, "1.2.3", Error },
        { Number, "14,074", Error },
        { Number, "-", Error },
        { Number, "1e3", Error },
        { Integer, "-12", Pass },
        { Integer, "007", Pass },
        { Integer, "1.0", Error },
        { Integer, "+1", Error },
        { PositiveInteger, "1", Pass },
        { PositiveInteger, "0", Error },
        { PositiveInteger, "-1", Error },
        { Boolean, "Y", Pass },
        { Boolean, "n", Pass },
        { Boolean, "T", Error },
        { Boolean, "YES", Error },
        { Date, "19300101", Pass },
        { Date, "19291231", Error },
        { Date, "20240229", Pass },
        { Date, "20230229", Error },
        { Date, "20230231", Error },
        { Date, "2023-01-05", Error },
        { Time, "2359", Pass },
        { Time, "235959", Pass },
        { Time, "2400", Error },
        { Time, "2460", Error },
        { Time, "12345", Error },
        { Time, "9:15", Error },
        { Location, "N090 00.000", Pass },
        { Location, "N090 00.001", Error },
        { Location, "W180 00.000", Pass },
        { Location, "E181 00.000", Error },
        { Location, "S045 59.999", Pass },
        { Location, "S045 60.000", Error },
        { Location, "X045 10.000", Error },
        { Location, "N45 10.000", Error },
        { GridSquare, "FN", Pass },
        { GridSquare, "FN31", Pass },
        { GridSquare, "fn31pr", Pass },
        { GridSquare, "RR99XX99", Pass },
        { GridSquare, "SS00", Error },
        { GridSquare, "ZZ99", Error },
        { GridSquare, "FN31py", Error },
        { GridSquare, "FN3", Error },
        { GridSquare, "FN31pr5", Error },
        { GridSquareExt, "BQ", Pass },
        { GridSquareExt, "ab12", Pass },
        { GridSquareExt, "BY", Error },
        { GridSquareList, "FN31,FN32", Pass },
        { GridSquareList, "FN31,", Error },
        { IotaReference, "EU-005", Pass },
        { IotaReference, "NA-999", Pass },
        { IotaReference, "EU-000", Error },
        { IotaReference, "XX-001", Error },
        { IotaReference, "EU-1234", Error },
        { SotaReference, "W2/WE-003", Pass },
        { SotaReference, "G/LD-003", Pass },
        { SotaReference, "W2/WE", Error },
        { SotaReference, "W2WE-003", Error },
        { WwffReference, "KFF-4655", Pass },
        { WwffReference, "3DAFF-0002", Pass },
        { WwffReference, "KFF-465", Error },
        { WwffReference, "K-4655", Error },
        { PotaReferenceList, "K-0817", Pass },
        { PotaReferenceList, "K-10000", Pass },
        { PotaReferenceList, "K-0817,K-4562@US-CA", Pass },
        { PotaReferenceList, "K-817", Error },
        { PotaReferenceList, "K-4562@US", Error },
        { PotaReferenceList, "K-0817,", Error },
        { SecondarySubdivisionList, "MA,Franklin:MA,Hampshire", Pass },
        { SecondarySubdivisionList, "Franklin", Error },
        { String, "K1ABC de W1AW", Pass },
        { String, "Gen\xC3\xA9", Warning },
        { String, "two\r\nlines", Error },
        { IntlString, "Gen\xC3\xA9", Pass },
        { IntlString, "two\r\nlines", Error },
        { MultilineString, "two\r\nlines", Pass },
        { MultilineString, "two\nlines", Warning },
        { MultilineString, "bell\a", Error },
    };
    for (const Case &c : cases)
        EXPECT_EQ(verdictOf(c.type, c.value), c.verdict) << static_cast<int>(c.type) << " " << c.value;
}

TEST(AdifValueTypes, TypeNamesOfTheFieldTableMapToTheirRules)
{
    EXPECT_EQ(adifTypeNamed("PositiveInteger"), AdifType::PositiveInteger);
    EXPECT_EQ(adifTypeNamed("CreditList,AwardList"), AdifType::CreditList);
    EXPECT_EQ(adifTypeNamed("POTARefList"), AdifType::PotaReferenceList);
    EXPECT_EQ(adifTypeNamed("IOTARefNo"), AdifType::IotaReference);
    EXPECT_EQ(adifTypeNamed("NoSuchType"), AdifType::Other);
}
