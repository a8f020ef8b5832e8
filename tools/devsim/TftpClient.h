#pragma once
// The device as a TFTP client of the station, on the curl runs of CurlTransfer.h: `finish` gets the
// SET's answer once the transfer has ended.
#include "tools/devsim/CurlTransfer.h"

#include <functional>
#include <string>

namespace devsim {

// Sends `contents` as `name` to the station; finish(0) on success, finish(genErr) otherwise.
void TftpSend(const std::string& contents, const std::string& address, int port, const std::string& name,
              std::function<void(int status)> finish);
// Fetches `name` from the station; received(contents) runs before finish(0) on success only.
void TftpFetch(const std::string& address, int port, const std::string& name,
               std::function<void(const std::string& contents)> received,
               std::function<void(int status)> finish);

} // namespace devsim
