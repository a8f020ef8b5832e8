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
constexpr int Malformed = -4;       // the engine ID's line does not hold a count
} // namespace BootCounterResult

// boots is set to 0 unless the engine's line is found.
int getBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int& boots);
// Replaces the engine's line (or adds it) and keeps the other lines; the file is replaced as a
// whole through a temporary file beside it, so a failed write leaves the old file intact.
int saveBootCounter(const std::string& fileName, const OctetStr& engineId, unsigned int boots);
