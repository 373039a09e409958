// SPDX-License-Identifier: GPL-3.0-or-later
#include "formats/LogWriter.h"

namespace quillog
{

std::string droppedCharactersText(const SaveResult &result)
{
    if (result.droppedCharacters == 0)
        return {};
    return std::to_string(result.droppedCharacters)
        + (result.droppedCharacters == 1 ? " character" : " characters")
        + " that XML cannot carry (control characters, U+FFFE, U+FFFF) "
        + (result.droppedCharacters == 1 ? "was" : "were") + " left out of the file.";
}

} // namespace quillog
