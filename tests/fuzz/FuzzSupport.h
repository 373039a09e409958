// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "core/LargeBuffer.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace quillog
{
class LogTable;
struct SaveDefinitions;
struct ReadResult;
}

namespace quillog::fuzz
{

/// The fuzz input copied into a buffer of its own, as readFileBytes() hands a file to the readers.
LargeBuffer bufferOf(const std::uint8_t *data, std::size_t size);

/// Stops the run with the message when a property of the code under test does not hold; libFuzzer
/// then keeps the input as a crash.
void require(bool condition, const char *what);

/// Option bits taken from the last byte of the input, so that the fuzzer varies the options together
/// with the text while real logs keep working as seeds.
unsigned char flagsOf(const std::uint8_t *data, std::size_t size);

/// A path in a folder of this process that is removed when the process ends.
std::string scratchFile(const char *name);

/// Modes, bands and types for the save checks, and a fixed time for the header.
const SaveDefinitions &saveDefinitions();

/// Checks what every import must leave behind: on failure the open log (the table as oldTable() made
/// it) untouched; on success one row per record read, no fixed column, and saves that succeed.
void requireImportOutcome(const ReadResult &result, const LogTable &table, unsigned char flags);

/// A small open log for an import to replace.
LogTable oldTable();

/// Saves the table into a scratch file with the extension (which chooses the writer) twice, with and
/// without the save checks, with the writer options chosen by flags. Requires that both saves succeed
/// and that every record written without checks is either written or rejected with them.
void saveBothWays(const LogTable &table, unsigned char flags, const std::string &extension = "adi");

} // namespace quillog::fuzz
