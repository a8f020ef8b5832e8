#pragma once
// The file that keeps how often each local SNMPv3 engine has started: one line per engine ID, the
// ID as hexadecimal text, a blank and the count in decimal.
#include "snmpengine/OctetStr.h"

#include <string>

namespace BootCounterResult {
constexpr int Ok = 0;
constexpr int NoEntry = -1;         // the file has no line for the engine ID
constexpr int FileError = -2;       // the file cannot be opened (read) or written (save)
constexpr int EngineIdTooLong = -3; // more than 32 octets
constexpr int Malformed = -4;       // the engine ID's line does not hold a count of 0 to 2147483646
constexpr int Unusable = -5;        // something is there that is not a regular file of bounded size
// How countBoot counted, besides Ok (the file's count, saved back):
constexpr int Replaced = 1; // the file held no usable count; a fresh one took its place
constexpr int InMemory = 2; // the file could not be replaced or saved; the count is this session's only
} // namespace BootCounterResult

// The most a counter file may hold; it has one short line per local engine.
inline constexpr size_t kMaxBootCounterFileSize = 1 << 16;

// boots is set to 0 unless the engine's line is found. A count that the next start could not raise
// within the protocol's 31 bits is malformed.
int getBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int& boots);
// Moves an unusable counter file (a folder, a FIFO, an oversized file) aside to fileName + ".bad",
// so that a fresh one can take its place. False when it could not.
bool setAsideBootCounter(const std::string& fileName);
// Replaces the engine's line (or adds it) and keeps the other lines; the file is replaced as a
// whole through a temporary file beside it, so a failed write leaves the old file intact.
int saveBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int boots);
// Counts this start: boots is the file's count + 1, saved back; a count that cannot be read starts
// afresh (a file in the way moved aside first). A start is never refused for the file's sake:
// when it cannot be written the count is kept in memory. EngineIdTooLong is the only failure.
int countBoot(const std::string& fileName, const OctetStr& engineId, unsigned int& boots);
