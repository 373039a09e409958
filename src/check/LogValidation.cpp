// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/LogValidation.h"

#include "check/ValidationContext.h"
#include "check/ValidationProfiles.h"
#include "check/ValidationRules.h"
#include "core/LogTable.h"
#include "core/Progress.h"

#include <algorithm>
#include <ctime>

namespace quillog
{

namespace
{

void validateRow(RowFindings &row, const ValidationColumns &columns, const AdifCatalogue &catalogue,
    const ValidationOptions &options)
{
    checkFieldValues(row, columns, catalogue);
    checkFrequencies(row, catalogue, options);
    const ValidationProfile *profile = options.profile;
    checkQsoTimes(row, options, profile != nullptr && profile->futureDateIsError);
    if (profile != nullptr)
        checkProfile(row, *profile, catalogue);
}

// Findings of a row in column order; those without a column (a missing field) first.
void sortRow(std::vector<Finding> &findings, std::size_t first)
{
    std::stable_sort(findings.begin() + static_cast<std::ptrdiff_t>(first), findings.end(),
        [](const Finding &a, const Finding &b) { return a.column < b.column; });
}

std::string counted(int count, const char *word)
{
    return std::to_string(count) + " " + word + (count == 1 ? "" : "s");
}

} // namespace

std::string ValidationReport::summary(const std::string &profileName, int qsos) const
{
    int rows = 0;
    for (std::size_t at = 0; at < findings.size(); ++at)
        rows += (at == 0 || findings[at].row != findings[at - 1].row) ? 1 : 0;
    std::string text = counted(errors, "error") + " and " + counted(warnings, "warning") + " in "
        + std::to_string(rows) + " of " + counted(qsos, "QSO") + " (profile " + profileName + ")";
    if (stopped)
        text += "; stopped after row " + std::to_string(rowsChecked);
    return text + ".";
}

ValidationReport validateLog(const LogTable &table, const AdifCatalogue &catalogue,
    const ValidationOptions &options, Progress &progress)
{
    ValidationReport report;
    const ValidationColumns columns(table, catalogue);
    const int qsos = table.qsoCount();
    PercentReporter percent(progress, "Validating QSOs ...");
    for (int row = 1; row <= qsos && progress.isRunning(); ++row) {
        percent.report(static_cast<unsigned long long>(row), static_cast<unsigned long long>(qsos) + 1);
        const std::size_t first = report.findings.size();
        RowFindings findings(table, columns, row, report.findings);
        validateRow(findings, columns, catalogue, options);
        sortRow(report.findings, first);
        report.rowsChecked = row;
    }
    for (const Finding &finding : report.findings)
        ++(finding.severity == Severity::Error ? report.errors : report.warnings);
    report.stopped = !progress.isRunning();
    progress.setPercent(100);
    return report;
}

void markFindings(LogTable &table, const ValidationReport &report, const CheckColours &colours)
{
    const Colour rowColour = rowColourFor(colours.marked);
    auto finding = report.findings.begin();
    // Rows a stop left unvalidated keep their colours.
    for (int row = 1; row <= report.rowsChecked && row < table.rowCount(); ++row) {
        const auto rowEnd
            = std::find_if(finding, report.findings.end(), [&](const Finding &f) { return f.row != row; });
        for (int column = table.fixedColumnCount(); column < table.columnCount(); ++column) {
            const bool marked
                = std::any_of(finding, rowEnd, [&](const Finding &f) { return f.column == column; });
            table.setBackgroundColour(row, column,
                marked                  ? colours.marked
                    : finding == rowEnd ? colours.normal
                                        : rowColour);
        }
        finding = rowEnd;
    }
}

int todayUtc()
{
    const std::time_t now = std::time(nullptr);
    std::tm utc {};
    gmtime_r(&now, &utc);
    return (utc.tm_year + 1900) * 10000 + (utc.tm_mon + 1) * 100 + utc.tm_mday;
}

std::string_view severityName(Severity severity)
{
    return severity == Severity::Error ? "error" : "warning";
}

} // namespace quillog
