// SPDX-License-Identifier: GPL-3.0-or-later
// Classifies the input as the open commands classify a file, under a plain and a ".csv" name.
#include "FuzzSupport.h"
#include "formats/LogFileType.h"

#include <string_view>

using namespace quillog;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);
    for (const std::string_view name : { "log.adi", "log.csv" }) {
        const LogFileTypeResult result = detectLogFileTypeInBytes(bytes, name);
        fuzz::require(result.type != LogFileType::TypeMissing, "bytes in hand cannot be a missing file");
    }
    return 0;
}
