#pragma once
// The device as a TFTP client of the station: a real client (curl) runs as a child process, polled
// from the agent loop, and `finish` gets the SET's answer once the transfer has ended.
#include "tools/devsim/Options.h"

#include <functional>
#include <string>

namespace devsim {

// The station's TFTP port: --tftp-port, else KTX_TFTP_PORT when valid, else 69.
int StationTftpPort(const Options& options);
// An IpAddress value's four bytes as dotted text ("0.0.0.0" when it is not four bytes).
std::string DottedQuad(const std::string& bytes);

// Sends `contents` as `name` to the station; finish(0) on success, finish(genErr) otherwise.
void TftpSend(const std::string& contents, const std::string& address, int port, const std::string& name,
              std::function<void(int status)> finish);
// Fetches `name` from the station; received(contents) runs before finish(0) on success only.
void TftpFetch(const std::string& address, int port, const std::string& name,
               std::function<void(const std::string& contents)> received,
               std::function<void(int status)> finish);

} // namespace devsim
