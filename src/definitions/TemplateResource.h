// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillog
{

/// Section ids of the template resource.
enum TemplateSection : int {
    FieldNamesSection = 105,
    AdifVersionSection = 109,
    ContestTemplatesSection = 111,
    BandsSection = 112,
    ModesSection = 114,
    SubmodesSection = 115,
    TypeMapSection = 116,
};

/// The template resource file, Templates.dat: a header line, then sections of text, each under a
/// numeric id with its byte length, then an end line (scripts/make-templates writes it).
class TemplateResource
{
public:
    /// Reads and checks the whole file. The result is not loaded when the file is missing, unreadable,
    /// oversized or damaged in any way (bad header, bad or oversized length, cut short).
    static TemplateResource load(const std::string &path);
    static TemplateResource fromBytes(std::string_view bytes);

    bool isLoaded() const { return m_loaded; }
    /// The text of a section, up to its first zero byte; nullopt when the file has no such section.
    std::optional<std::string> section(int id) const;

private:
    bool m_loaded = false;
    std::vector<std::pair<int, std::string>> m_sections;
};

enum class SectionStatus { Found, FileMissing, SectionMissing };

struct SectionText {
    SectionStatus status = SectionStatus::FileMissing;
    std::string text;
};

/// Opens the resource, takes one section and lets the file go, as the dialogs that need one list do.
SectionText readTemplateSection(const std::string &path, int id);

/// Splits a section's text into lines at CR LF, CR or LF, each line trimmed of white space. Empty lines
/// are kept; a line end at the very end adds no empty line.
std::vector<std::string> parseResourceLines(std::string_view text);

/// The ADIF version of the version section: its first line (ended by CR or LF), or what follows the first ":"
/// in it (untrimmed) when it has one.
std::string parseAdifVersion(std::string_view text);

} // namespace quillog
