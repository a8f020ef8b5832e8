#pragma once
// The TFTP server that a file-moving form owns. When it cannot start, the module shows
// "TFTP Service Init Error:" with the reason and ends.
#include "library/tftp/NxTFTPServer.h"

#include <string>

// Creates the server (owned by `owner`) on TFTPServerPort() and starts it at `root`; `started`
// tells whether it listens.
NxTFTPServer* StartFormTftpServer(QObject* owner, const std::string& root, int timeout, int retries,
                                  NxTFTPStatusHandler onStatus, bool& started,
                                  const std::string& bindAddress = "0.0.0.0");
