// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/CabrilloLayout.h"

#include "core/Text.h"
#include "formats/TextLines.h"

namespace quillog
{

namespace
{

constexpr std::string_view qsoTag = "QSO:";
constexpr std::string_view contestTag = "CONTEST:";
constexpr int probedLines = 100;

// A blank or tab next to a blank means the fields are padded into columns.
bool hasOnlySingleSeparators(std::string_view qso)
{
    for (std::size_t i = 1; i + 1 < qso.size(); ++i) {
        if ((qso[i] == ' ' || qso[i] == '\t') && (qso[i - 1] == ' ' || qso[i + 1] == ' '))
            return false;
    }
    return true;
}

std::vector<std::string_view> splitAtBlanks(std::string_view qso)
{
    std::vector<std::string_view> pieces;
    std::string_view rest = qso.substr(qsoTag.size());
    while (!rest.empty() && isBlank(rest.front()))
        rest.remove_prefix(1);
    if (rest.empty())
        return pieces;
    for (;;) {
        const std::size_t cut = rest.find_first_of(" \t");
        pieces.push_back(rest.substr(0, cut));
        if (cut == std::string_view::npos)
            return pieces;
        rest.remove_prefix(cut + 1);
    }
}

std::vector<std::string_view> cutAtOffsets(std::string_view qso, const std::vector<std::size_t> &offsets)
{
    std::vector<std::string_view> pieces;
    for (std::size_t k = 1; k < offsets.size(); ++k) {
        const std::size_t start = offsets[k];
        if (start >= qso.size()) {
            pieces.emplace_back();
            continue;
        }
        const std::size_t end = k + 1 < offsets.size() ? std::max(offsets[k + 1], start) : qso.size();
        pieces.push_back(trimmed(qso.substr(start, end - start)));
    }
    return pieces;
}

} // namespace

std::optional<std::string_view> cabrilloQsoText(std::string_view line)
{
    const std::size_t tag = line.find(qsoTag);
    if (tag == std::string_view::npos)
        return std::nullopt;
    return trimmedRight(line.substr(tag));
}

std::vector<std::size_t> cabrilloWordStarts(std::string_view qso)
{
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i + 1 < qso.size(); ++i) {
        if (qso[i] == ' ' && qso[i + 1] != ' ')
            starts.push_back(starts.empty() && i > 5 ? 5 : i);
    }
    return starts;
}

CabrilloLayout probeCabrilloLayout(std::string_view text)
{
    CabrilloLayout layout;
    std::vector<std::size_t> previous;
    LineReader lines(withoutByteOrderMark(text));
    std::string_view line;
    for (int n = 0; n < probedLines && lines.next(line); ++n) {
        if (const std::size_t tag = line.find(contestTag); tag != std::string_view::npos && line.size() >= 10)
            layout.contest = toUpper(trimmed(line.substr(tag + contestTag.size())));
        const auto qso = cabrilloQsoText(line);
        if (!qso)
            continue;
        layout.found = true;
        layout.singleSeparators = layout.singleSeparators && hasOnlySingleSeparators(*qso);
        std::vector<std::size_t> starts = cabrilloWordStarts(*qso);
        const bool confirmed = !starts.empty() && starts == previous;
        previous = std::move(starts);
        if (confirmed)
            break;
    }
    layout.offsets.push_back(0);
    layout.offsets.insert(layout.offsets.end(), previous.begin(), previous.end());
    return layout;
}

std::vector<std::string_view> cutCabrilloQso(std::string_view qso, const CabrilloLayout &layout)
{
    return layout.singleSeparators ? splitAtBlanks(qso) : cutAtOffsets(qso, layout.offsets);
}

} // namespace quillog
