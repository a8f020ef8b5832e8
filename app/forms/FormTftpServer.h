#pragma once
// The TFTP server that a file-moving form owns. When it cannot start, the module shows
// "TFTP Service Init Error:" with the reason and ends, unless another program holds the port: then
// only the form does without its transfer. It serves only the transfer the form awaits: the form
// arms it before the SET that asks the device and judges it when the device has answered or the
// wait is over, and the form's status handler hears only the reports of that transfer.
#include "library/tftp/NxTFTPServer.h"

#include <functional>
#include <string>

class NxSNMPRequest2Controls;
class QWidget;

// The direction of an awaited transfer, as the device's request names it.
enum class DeviceTransfer { Reads = 1, Writes = 2 };

// Creates the server (owned by `owner`) on TFTPServerPort() and starts it at `root`; `started`
// tells whether it listens.
NxTFTPServer* StartFormTftpServer(QObject* owner, const std::string& root, int timeout, int retries,
                                  NxTFTPStatusHandler onStatus, bool& started,
                                  const std::string& bindAddress = "0.0.0.0");

// Stops and destroys the form's server, if any: an awaited transfer not yet judged is discarded.
// The form's pointer is empty before the stop, which runs the event loop while transfers end, so a
// close re-entered meanwhile finds no server.
void StopFormTftpServer(NxTFTPServer*& server);

// Moves the form's server to the folder of `path` (either separator) and gives the name part. A
// path that is a link is served as the file it leads to (folder and name are then the target's).
// False when the path names no folder ("The file path is error." in a Warning box on `owner`), when
// it is a link to no regular file (a Warning box says so), or when the server cannot listen there
// (the reason through `report`).
bool RootFormTftpServer(NxTFTPServer& server, const std::string& path, std::string& name, QWidget* owner,
                        const std::function<void(const std::string&)>& report);

// Admits one request for `name` in `direction` from the agent that `request` talks to.
void AwaitDeviceTransfer(NxTFTPServer* server, const NxSNMPRequest2Controls& request, const std::string& name,
                         DeviceTransfer direction);
// The device failed the transfer or the form's wait is over: nothing more is admitted, a transfer
// under way is cancelled and a received file removed; a file already judged stays.
void EndDeviceTransfer(NxTFTPServer* server);
// The form judged the transfer successful: a received file takes its name (one still arriving
// does so once complete). False when it could not.
bool KeepDeviceTransfer(NxTFTPServer* server);
