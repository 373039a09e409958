// SPDX-License-Identifier: GPL-3.0-or-later
#include "ValidateCommand.h"

#include "CliSupport.h"
#include "CommandLog.h"
#include "Commands.h"
#include "OutputText.h"
#include "check/LogValidation.h"
#include "check/ValidationProfiles.h"
#include "core/LogTable.h"
#include "core/Progress.h"
#include "core/Text.h"
#include "definitions/AdifCatalogue.h"
#include "definitions/Definitions.h"

#include <cstdio>

namespace quillog::cli
{

namespace
{

std::string profileNames()
{
    std::string names;
    for (const ValidationProfile &profile : validationProfiles())
        names += (names.empty() ? "" : ", ") + std::string(profile.name);
    return names;
}

std::string cellValue(const LogTable &table, const Finding &finding)
{
    return finding.column < 0 ? std::string() : std::string(trimmed(table.text(finding.row, finding.column)));
}

void printLines(const LogTable &table, const ValidationReport &report)
{
    for (const Finding &finding : report.findings) {
        std::printf("%d\t%s\t%s\t%s\t%s\n", finding.row, finding.field.c_str(),
            tabField(cellValue(table, finding)).c_str(), std::string(severityName(finding.severity)).c_str(),
            tabField(finding.message).c_str());
    }
}

void printJson(
    const LogTable &table, const ValidationReport &report, const std::string &path, std::string_view profile)
{
    std::printf(
        "{\n  \"file\": %s,\n  \"profile\": %s,\n  \"qsos\": %d,\n  \"errors\": %d,\n  \"warnings\": %d,\n"
        "  \"findings\": [",
        jsonString(path).c_str(), jsonString(profile).c_str(), table.qsoCount(), report.errors,
        report.warnings);
    for (std::size_t at = 0; at < report.findings.size(); ++at) {
        const Finding &finding = report.findings[at];
        std::printf(
            "%s\n    {\"row\": %d, \"field\": %s, \"value\": %s, \"severity\": \"%s\", \"message\": %s}",
            at == 0 ? "" : ",", finding.row, jsonString(finding.field).c_str(),
            jsonString(cellValue(table, finding)).c_str(),
            std::string(severityName(finding.severity)).c_str(), jsonString(finding.message).c_str());
    }
    std::printf("%s]\n}\n", report.findings.empty() ? "" : "\n  ");
}

} // namespace

int validate(const CliArguments &arguments)
{
    if (arguments.paths.size() != 1)
        return fail("validate takes one file");
    const std::string given = arguments.value("--profile");
    const std::string profileName = given.empty() ? std::string("adif") : toLower(given);
    const ValidationProfile *profile = findValidationProfile(profileName);
    if (profile == nullptr)
        return fail("unknown profile " + profileName + " (profiles: " + profileNames() + ")");
    const AdifCatalogueLoad catalogue
        = loadAdifCatalogue(findTemplateResource(programFolder(), operatorFolder()));
    if (!catalogue.ok)
        return fail(std::string(kTemplatesMissingMessage.substr(0, kTemplatesMissingMessage.find('\n')))
            + " (the validator needs its ADIF tables)");
    CommandLog log;
    if (!openLog(arguments.paths[0], arguments, log, LogNeed::RowNumbers))
        return ExitFailure;
    const LogTable &table = log.table;
    ValidationOptions options;
    options.profile = profile;
    options.commaFrequency = arguments.has("--comma-freq");
    RunningFlag progress;
    const ValidationReport report = validateLog(table, catalogue.catalogue, options, progress);
    if (arguments.has("--json"))
        printJson(table, report, arguments.paths[0], profile->name);
    else
        printLines(table, report);
    std::fflush(stdout);
    std::fprintf(stderr, "%s\n", report.summary(std::string(profile->name), table.qsoCount()).c_str());
    return report.errors > 0 ? ExitProblemsFound : ExitSuccess;
}

} // namespace quillog::cli
