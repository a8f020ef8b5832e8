#pragma once
// The device's side of a file transfer: a real client (curl) run as a child process, polled from
// the agent's alarm loop, so that a SET can be answered when the transfer has ended.
#include "tools/devsim/Options.h"

#include <functional>
#include <string>
#include <vector>

namespace devsim {

// The port of the station's TFTP server: the option, else KTX_TFTP_PORT, else 69.
int StationTftpPort(const Options& options);
// A four-byte IpAddress value as dotted text ("0.0.0.0" for anything else).
std::string DottedQuad(const std::string& bytes);
// Answers a held SET with success after `seconds`: the agent looks at held answers from its loop
// only, so even one due at once goes by alarm.
void AnswerAfter(long seconds, std::function<void(int)> finish);
// A fresh, empty file under the system's temporary folder, "" when none could be made.
std::string TemporaryFile();
// Runs curl with `args` (without the program name); finish gets SNMP_ERR_NOERROR when curl
// ended with status 0, else SNMP_ERR_GENERR (also after 20 s). `scratch`, when given, is removed
// before finish runs.
void RunCurl(const std::vector<std::string>& args, const std::string& scratch,
             std::function<void(int)> finish);

// The address the device's clients send from: the one it answers SNMP on, as a real device does
// (the station's server takes transfers only from the device's address).
void SetTransferSource(const std::string& address);

// Tests: while held, transfers wait unstarted (their SETs unanswered) until released.
void HoldTransfers();
// Starts the waiting transfers and stops holding; returns how many were waiting.
size_t ReleaseTransfers();
size_t HeldTransfers();

} // namespace devsim
