#include "app/forms/FormTftpServer.h"

#include "app/forms/Application.h"
#include "app/forms/HostAddress.h"
#include "library/snmp/NxSNMPRequest2Controls.h"
#include "library/tftp/TFTPServerPort.h"
#include "platform/InputHold.h"
#include "platform/MessageBox.h"

#include <QWidget> // the request header needs the whole class
#include <climits>
#include <cstdlib>
#include <exception>
#include <sys/stat.h>

namespace {

// The file a chosen path leads to: the path itself unless it is a link. A link that leads to no
// regular file gives the reason instead.
bool ServedPath(const std::string& path, std::string& served, std::string& why) {
    served = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
        return true;
    char target[PATH_MAX];
    if (::realpath(path.c_str(), target) == nullptr) {
        why = "The file " + path + " is a link to a file that does not exist.";
        return false;
    }
    if (::stat(target, &info) != 0 || !S_ISREG(info.st_mode)) {
        why = "The file " + path + " is a link to " + target + ", which is not a regular file.";
        return false;
    }
    served = target;
    return true;
}

} // namespace

NxTFTPServer* StartFormTftpServer(QObject* owner, const std::string& root, int timeout, int retries,
                                  NxTFTPStatusHandler onStatus, bool& started,
                                  const std::string& bindAddress) {
    auto* server = new NxTFTPServer(owner);
    server->MessagePump = ProcessMessages; // the user's input waits while the server winds down
    server->SetTimeout(timeout, retries);
    server->ServeOnlyAwaited();
    // Refused requests are no news to the form; only its own transfer is.
    server->SetOnStatus([server, onStatus = std::move(onStatus)](NxTFTPMsg* msg, bool* cancel) {
        if (onStatus && server->Awaited().IsAdmitted(*msg))
            onStatus(msg, cancel);
    });
    server->SetBindAddress(bindAddress);
    started = false;
    try {
        server->Start(root, TFTPServerPort());
        started = true;
    } catch (const std::exception& e) {
        ShowMessage(std::string("TFTP Service Init Error:") + e.what());
        // A port held by another program (another module's form, say) is no reason to end this one.
        if (!server->PortInUse())
            ApplicationTerminate();
    }
    return server;
}

void StopFormTftpServer(NxTFTPServer*& server) {
    NxTFTPServer* stopping = server;
    server = nullptr;
    if (stopping == nullptr)
        return;
    stopping->EndAwaited(false);
    stopping->Stop();
    delete stopping;
}

bool RootFormTftpServer(NxTFTPServer& server, const std::string& path, std::string& name, QWidget* owner,
                        const std::function<void(const std::string&)>& report) {
    if (path.find_last_of("\\/") == std::string::npos) {
        MessageBox(owner, "The file path is error.", "Warning", MB_OK);
        return false;
    }
    // The server serves no link; the file the user chose through one is served where it lies.
    std::string served, why;
    if (!ServedPath(path, served, why)) {
        MessageBox(owner, why, "Warning", MB_OK);
        return false;
    }
    const size_t at = served.find_last_of("\\/");
    try {
        server.Start(served.substr(0, at + 1), TFTPServerPort());
    } catch (const std::exception& e) {
        report(e.what());
        return false;
    }
    name = served.substr(at + 1);
    return true;
}

void AwaitDeviceTransfer(NxTFTPServer* server, const NxSNMPRequest2Controls& request, const std::string& name,
                         DeviceTransfer direction) {
    if (server)
        server->Awaited().Await(DottedIPv4Of(request.Request.Device.Address), name,
                                static_cast<int>(direction));
}

void EndDeviceTransfer(NxTFTPServer* server) {
    if (server)
        server->EndAwaited(false);
}

bool KeepDeviceTransfer(NxTFTPServer* server) {
    return server != nullptr && server->EndAwaited(true);
}
