#include "app/FormTftpServer.h"

#include "app/Application.h"
#include "library/tftp/TFTPServerPort.h"
#include "platform/MessageBox.h"

#include <exception>

NxTFTPServer* StartFormTftpServer(QObject* owner, const std::string& root, int timeout, int retries,
                                  NxTFTPStatusHandler onStatus, bool& started,
                                  const std::string& bindAddress) {
    auto* server = new NxTFTPServer(owner);
    server->SetTimeout(timeout, retries);
    server->SetOnStatus(std::move(onStatus));
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
