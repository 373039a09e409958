// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "check/Finding.h"

#include <optional>
#include <string_view>

namespace quillog
{

/// The ADIF data types the validator tells apart.
enum class AdifType {
    String,
    MultilineString,
    IntlString,
    IntlMultilineString,
    Number,
    Integer,
    PositiveInteger,
    Boolean,
    Date,
    Time,
    Enumeration,
    Location,
    GridSquare,
    GridSquareExt,
    GridSquareList,
    IotaReference,
    SotaReference,
    WwffReference,
    PotaReferenceList,
    CreditList,
    SponsoredAwardList,
    SecondarySubdivisionList,
    SecondarySubdivisionListAlt,
    Other, ///< a type without a rule of its own
};

/// The type of an ADIF type name ("Number", "CreditList,AwardList", ...).
AdifType adifTypeNamed(std::string_view name);

/// What is wrong with a value of a type: the rest of a sentence that starts with the field and the value
/// ("is not a number"), and how bad it is.
struct TypeProblem {
    Severity severity = Severity::Error;
    std::string_view reason;
};

/// Tests a non-empty value against its type's syntax; nothing when it passes. Enumerations and list
/// members are checked against their tables elsewhere; only their syntax is tested here.
std::optional<TypeProblem> typeProblem(AdifType type, std::string_view value);

/// The number of a Number, Integer or PositiveInteger value that passed typeProblem().
double numberValue(std::string_view value);

bool isGridSquare(std::string_view value);
bool isPotaReference(std::string_view value);

} // namespace quillog
