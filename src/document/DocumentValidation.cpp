// SPDX-License-Identifier: GPL-3.0-or-later
#include "check/ValidationProfiles.h"
#include "definitions/AdifCatalogue.h"
#include "document/Document.h"

namespace quillog
{

std::optional<ValidationReport> Document::validate(const ValidationProfile &profile)
{
    if (!m_logOpen || refuseWhenBusy())
        return std::nullopt;
    const AdifCatalogueLoad tables = loadAdifCatalogue(findTemplateResource(m_programFolder, m_dataFolder));
    if (!tables.ok) {
        m_host.message(BoxKind::Error, std::string(kTemplatesMissingMessage));
        return std::nullopt;
    }
    m_invalidCursor = 0;
    ValidationOptions options;
    options.profile = &profile;
    options.commaFrequency = m_settings.useCommaFreq;
    const CheckColours colours { m_settings.grid.backColour, m_settings.grid.markedColour };
    ValidationReport report;
    const std::string failure = runInSlot(WorkerSlot::Check, [&](Progress &progress) {
        report = validateLog(m_table, tables.catalogue, options, progress);
        markFindings(m_table, report, colours);
    });
    if (!failure.empty()) {
        reportWorkerFailure("The validation", failure);
        return std::nullopt;
    }
    m_invalidFound = !report.findings.empty();
    m_host.statusChanged(0, report.summary(std::string(profile.name), m_table.qsoCount()));
    return report;
}

} // namespace quillog
