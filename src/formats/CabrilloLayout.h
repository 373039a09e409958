// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillog
{

/// The text of a Cabrillo QSO line from its "QSO:" tag on, trimmed; nothing for any other line. An
/// "X-QSO:" line gives the same text as a "QSO:" line, so both are cut at the same places.
std::optional<std::string_view> cabrilloQsoText(std::string_view line);

/// The positions of a QSO text where a blank is followed by a word: where its columns start.
std::vector<std::size_t> cabrilloWordStarts(std::string_view qso);

/// What the first lines of a Cabrillo log tell about its layout.
struct CabrilloLayout {
    bool found = false; ///< a QSO line was met
    std::string contest; ///< the CONTEST: name, upper case, possibly empty
    /// True while every blank or tab between fields stands alone: the fields are cut at each of them.
    /// Otherwise the lines are padded into columns, which start at the offsets.
    bool singleSeparators = true;
    std::vector<std::size_t> offsets; ///< 0 (the tag) and the word starts of the layout's line
};

/// Reads at most the first hundred lines: the contest name, and the word starts of the QSO lines until
/// two consecutive ones agree (else the last one's).
CabrilloLayout probeCabrilloLayout(std::string_view text);

/// The fields of one QSO text, from the frequency on.
std::vector<std::string_view> cutCabrilloQso(std::string_view qso, const CabrilloLayout &layout);

} // namespace quillog
