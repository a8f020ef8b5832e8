#include "app/forms/ServedForm.h"

#include "app/forms/AddressChecks.h"
#include "app/forms/FormTftpServer.h"
#include "app/forms/LoadWait.h"
#include "app/forms/Wait.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/Edit.h"
#include "platform/MessageBox.h"

#include <exception>
#include <memory>

TServedForm::TServedForm(QWidget* owner)
    : TSettingsForm(owner), WaitTickMilliseconds(TFM_Waiting::kTickMilliseconds) {}

// The derived form is gone by now, its requests' handlers with it: the stop, which runs the event
// loop while transfers end, reports to nobody.
TServedForm::~TServedForm() {
    BeginDestruction();
    ServerStatus_ = nullptr;
    StopFormTftpServer(TFTPServer);
}

void TServedForm::StartServer(const std::string& root, int timeout, int retries, NxTFTPStatusHandler onStatus,
                              const std::string& bindAddress) {
    ServerStatus_ = std::move(onStatus);
    NxTFTPStatusHandler relay;
    if (ServerStatus_)
        relay = [this](NxTFTPMsg* msg, bool* cancel) {
            if (ServerStatus_)
                ServerStatus_(msg, cancel);
        };
    TFTPServer = StartFormTftpServer(this, root, timeout, retries, relay, ServerStarted_, bindAddress);
}

bool TServedForm::PickServerAddress(TEdit* edit) {
    edit->SetText("");
    return PickLocalServerAddress(edit);
}

bool TServedForm::RootServerAt(const std::string& path, std::string& name) {
    return RootFormTftpServer(*TFTPServer, path, name, this, [this](const std::string& e) { ShowStatus(e); });
}

void TServedForm::RunLoadWait(const std::string& upper, int countdown, const std::function<void()>& start) {
    const auto waiting = std::make_unique<TFM_Waiting>(this, WaitTickMilliseconds);
    Waiting = waiting.get();
    ShowLoadWait(*waiting, upper, countdown);
    if (start)
        start();
    waiting->exec();
    Waiting = nullptr;
}

void TServedForm::EndWait() {
    if (Waiting != nullptr)
        Waiting->Countdown = 1;
}

void TServedForm::AwaitRestart(const NxSNMPError* result, int countdown) {
    if (Waiting == nullptr)
        return;
    ShowRestartWait(Waiting, countdown);
    if (RebootLeftUnanswered(result))
        ShowUnansweredWait(*Waiting);
    Waiting->OnEnded = [this](bool answered) {
        if (!answered)
            ShowStatus(kDeviceNotBackText);
    };
}

void TServedForm::Warn(const std::string& text) {
    MessageBox(this, text, "Warning", MB_OK);
}

void TServedForm::FailLoad(const std::string& errorText, const char* box) {
    ShowStatus(errorText);
    if (box != nullptr)
        Warn(box);
    EndWait();
}

bool TServedForm::SendLoadCommand(NxSNMPRequest2Edits& request, const char* box) {
    request.MarkAsked(-1);
    try {
        WriteLater(request, ReadBack::Yes);
        return true;
    } catch (const std::exception& e) {
        FailLoad(e.what(), box);
        return false;
    }
}

void TServedForm::ReleaseOnClose() {
    DetachRequestHandlers();
    StopFormTftpServer(TFTPServer);
    DestroyRequests();
}
