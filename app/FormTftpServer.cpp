#include "app/FormTftpServer.h"

#include "app/Application.h"
#include "app/HostAddress.h"
#include "library/snmp/NxSNMPRequest2Controls.h"
#include "library/tftp/TFTPServerPort.h"
#include "platform/MessageBox.h"

#include <QWidget> // the request header needs the whole class
#include <exception>

NxTFTPServer* StartFormTftpServer(QObject* owner, const std::string& root, int timeout, int retries,
                                  NxTFTPStatusHandler onStatus, bool& started,
                                  const std::string& bindAddress) {
    auto* server = new NxTFTPServer(owner);
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
        ApplicationTerminate();
    }
    return server;
}

void StopFormTftpServer(NxTFTPServer*& server) {
    NxTFTPServer* stopping = server;
    server = nullptr;
    if (stopping == nullptr)
        return;
    stopping->Stop();
    delete stopping;
}

bool RootFormTftpServer(NxTFTPServer& server, const std::string& path, std::string& name, QWidget* owner,
                        const std::function<void(const std::string&)>& report) {
    const size_t at = path.find_last_of("\\/");
    if (at == std::string::npos) {
        MessageBox(owner, "The file path is error.", "Warning", MB_OK);
        return false;
    }
    try {
        server.Start(path.substr(0, at + 1), TFTPServerPort());
    } catch (const std::exception& e) {
        report(e.what());
        return false;
    }
    name = path.substr(at + 1);
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
        server->Awaited().End();
}
