#include "forms/admin/Sntp.h"

#include "app/forms/AddressChecks.h"
#include "app/forms/ApplyOutcome.h"
#include "app/forms/FormTftpServer.h"
#include "app/forms/LoadWait.h"
#include "app/forms/LogFileLines.h"
#include "app/forms/ShowForm.h"
#include "forms/admin/SntpRows.h"
#include "library/tftp/TFTPStatus.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/ProgramFolder.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"

#include <QListWidget>
#include <QPushButton>
#include <algorithm>
#include <exception>
#include <vector>

int SntpIdle = 1;
std::string SntpListPath = TFM_SNTP::kListFileName;

namespace {
constexpr const char* kNoServer = "0.0.0.0";
} // namespace

TFM_SNTP::TFM_SNTP(QWidget* owner, const std::string& folder, const std::string& bindAddress)
    : TServedForm(owner) {
    setupUi(this);
    Timer1 = new TTimer(this);
    Timer1->SetEnabled(false);
    Timer1->SetInterval(1000);
    Timer1->SetOnTimer([this](QObject*) { Guard([this] { Timer1Timer(); }); });

    WindowOptions window;
    window.Panels = 1;
    SetUpWindow(StatusBar1, window);
    Own(SettingsRequest, ListRequest);
    SntpIdle = 1;
    Bt_Apply->setEnabled(false);

    // Before the binding, which chains the combo's own handler in front of its flags.
    OnEvent(CB_WSNTPTimeZone->OnChange, [this](QObject*) { CB_WSNTPTimeZoneChange(); });
    OnClicked(Bt_Apply, [this] { Bt_ApplyClick(); });
    OnCancel(Bt_Cancel);
    FormCreate(folder, bindAddress);
}

TFM_SNTP::~TFM_SNTP() {
    Timer1->SetEnabled(false);
    SntpIdle = 1;
}

void TFM_SNTP::FormCreate(const std::string& folder, const std::string& bindAddress) {
    ShowStatus("Getting...");
    RequestOptions options;
    options.TimeOut = 1000;
    options.Mode = NxSNMPRequest2Controls::ModeCallback;
    const bool built = BuildRequests([&] {
        auto& settings = MakeRequest(SettingsRequest, MibRows::sntpServerIP_to_timeOfDay(), options);
        settings.BindEdits(0, "%s", Ed_WSNTPServ);
        settings.BindComboBox(1, CB_WSNTPTimeZone);
        settings.BindCheckBox(2, CHB_DayLight);
        settings.BindEdits(3, "%s", LabRLocalTime);
        settings.OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* r) {
            Guard([this, r] { OnEndingGetSntp(r); });
        };
        settings.OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* r) {
            Guard([this, r] { OnEndingSetSntp(r); });
        };
        auto& list = MakeRequest(ListRequest, MibRows::sntpTFTPServerIP_to_sntpGetList(), options);
        ArmLoadCommand(list.Request, options.TimeOut);
        list.BindEdits(0, "%s", Ed_TFTPServ);
        list.BindEdits(1, "%s", Ed_FileName);
        list.BindComboBox(2, CB_Get);
        list.OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* r) {
            Guard([this, r] { OnEndingGetSntpList(r); });
        };
    });
    if (built) {
        ReadPending_ = true;
        UpdateIdle();
        try {
            SettingsRequest->Get();
        } catch (const std::exception& e) {
            ReadPending_ = false;
            UpdateIdle();
            ShowStatus(e.what());
        }
    }

    std::string root = folder.empty() ? ProgramFolder() : folder;
    while (root.size() > 1 && root.back() == '/')
        root.pop_back();
    StartServer(
        root, 5000, 3, [this](NxTFTPMsg* msg, bool*) { OnTftpStatus(msg); }, bindAddress);
    SntpListPath = root + "/" + kListFileName;
    // Without a server the device would be asked to upload to nothing.
    if (ServerStarted() && built)
        StartFetch();
}

void TFM_SNTP::StartFetch() {
    if (!PickServerAddress(Ed_TFTPServ)) {
        MessageBox(this, "Get IP Error!", "Warning", MB_OK);
        return OpeningStepEnded("Get IP Error!");
    }
    // Always the bare name: the server refuses names with a folder part.
    Ed_FileName->SetText(kListFileName);
    CB_Get->SetItemIndex(CB_Get->findText("Get"));
    ListRequest->MarkAsked(-1);
    TransferDone_ = false;
    FetchPending_ = true;
    UpdateIdle();
    AwaitDeviceTransfer(TFTPServer, *ListRequest, kListFileName, DeviceTransfer::Writes);
    try {
        WriteLater(*ListRequest, ReadBack::Yes);
    } catch (const std::exception& e) {
        EndDeviceTransfer(TFTPServer);
        FetchPending_ = false;
        UpdateIdle();
        OpeningStepEnded(e.what());
    }
}

void TFM_SNTP::OnEndingGetSntp(NxSNMPError* result) {
    ReadPending_ = false;
    UpdateIdle();
    if (result->Code != 0)
        return OpeningStepEnded(result->Message);
    SettingsRead_ = true;
    ShowServerEmptyForNone();
    LabRSNTPServ->SetCaption(Ed_WSNTPServ->Text());
    LabRSNTPTimeZone->SetCaption(CB_WSNTPTimeZone->Text());
    CB_WSNTPTimeZoneChange();
    UpdateApply();
    OpeningStepEnded("");
}

// The opening's two steps (the settings read, the zone list's fetch) end in either order: the
// panel shows the failure of the one that ended last, or "Get OK." once both ended without one.
// A failure stays in view when the other step then succeeds.
void TFM_SNTP::OpeningStepEnded(const std::string& failure) {
    if (!failure.empty()) {
        OpeningFailed_ = true;
        return ShowStatus(failure);
    }
    if (!OpeningFailed_ && SettingsRead_ && ListLoaded_)
        ShowStatus("Get OK.");
}

void TFM_SNTP::OnEndingGetSntpList(NxSNMPError* result) {
    FetchPending_ = false;
    UpdateIdle();
    if (result->Code != 0) {
        EndDeviceTransfer(TFTPServer);
        return OpeningStepEnded(result->Message);
    }
    Countdown = 2;
    Timer1->SetEnabled(true);
}

void TFM_SNTP::OnTftpStatus(NxTFTPMsg* msg) {
    // The server reports only the device's upload of the list asked for by this fetch.
    if (msg->Status == TFTP_SUCCESS)
        TransferDone_ = true;
}

void TFM_SNTP::Timer1Timer() {
    if (Countdown > 0) {
        --Countdown;
        return;
    }
    Timer1->SetEnabled(false);
    // Only a list that arrived for this fetch tells which zones keep daylight saving; without it
    // Apply would write the flag off for every zone. Only such a list replaces the old one.
    if (!TransferDone_) {
        EndDeviceTransfer(TFTPServer);
        return OpeningStepEnded("Get file fail!");
    }
    std::string why;
    if (!KeepDeviceTransfer(TFTPServer) || !LoadDstFlags(SntpListPath, &why))
        return OpeningStepEnded(why.empty() ? "Get file fail!" : why);
    ListLoaded_ = true;
    CB_WSNTPTimeZoneChange();
    UpdateApply();
    // A failed settings read stays in view: Apply stays off with it.
    OpeningStepEnded("");
}

bool TFM_SNTP::LoadDstFlags(const std::string& path, std::string* why) {
    std::vector<std::string> lines;
    if (!ReadLogFileLines(path, lines, why))
        return false;
    LB_File->clear();
    for (const std::string& line : lines)
        LB_File->addItem(QString::fromStdString(line));
    DstAllowed.fill(0);
    const size_t count = std::min(lines.size(), static_cast<size_t>(kZones));
    for (size_t i = 0; i < count; ++i) {
        const char first = lines[i].empty() ? '0' : lines[i][0];
        DstAllowed[i] = first >= '1' && first <= '9' ? 1 : 0;
    }
    return true;
}

void TFM_SNTP::CB_WSNTPTimeZoneChange() {
    const int zone = CB_WSNTPTimeZone->GetItemIndex();
    if (!ListLoaded_ || zone < 0 || zone >= kZones)
        return;
    if (DstAllowed[static_cast<size_t>(zone)]) {
        CHB_DayLight->setEnabled(true);
    } else {
        CHB_DayLight->SetChecked(false);
        CHB_DayLight->setEnabled(false);
    }
}

void TFM_SNTP::Bt_ApplyClick() {
    if (!RequestsBuilt() || !SettingsRead_ || !ListLoaded_ || WritePending_)
        return;
    const std::string server = Ed_WSNTPServ->Text();
    if (!server.empty() && !IsValidIPAddress(server)) {
        MessageBox(this, "Please input valid IP address", "Waring", MB_OK);
        Ed_WSNTPServ->SetText("");
        Ed_WSNTPServ->setFocus();
        return;
    }
    if (server.empty())
        Ed_WSNTPServ->SetText(kNoServer);
    ShowStatus("Set...");
    WritePending_ = true;
    UpdateIdle();
    UpdateApply();
    try {
        WriteLater(*SettingsRequest, ReadBack::Yes);
    } catch (...) {
        WritePending_ = false;
        ShowServerEmptyForNone();
        UpdateIdle();
        UpdateApply();
        throw; // shown by the click's guard
    }
}

void TFM_SNTP::OnEndingSetSntp(NxSNMPError* result) {
    WritePending_ = false;
    // A write that left out what was not read is no success; a time-out says so.
    ApplyOutcome outcome;
    outcome.Add(*SettingsRequest, result->Code == 0);
    ShowStatus(outcome.Text("Setting success!", "Setting error!"));
    ShowServerEmptyForNone();
    UpdateIdle();
    UpdateApply();
}

void TFM_SNTP::ShowServerEmptyForNone() {
    if (Ed_WSNTPServ->Text() == kNoServer)
        Ed_WSNTPServ->SetText("");
}

void TFM_SNTP::UpdateIdle() {
    SntpIdle = ReadPending_ || FetchPending_ || WritePending_ ? 0 : 1;
}

void TFM_SNTP::UpdateApply() {
    Bt_Apply->setEnabled(SettingsRead_ && ListLoaded_ && !WritePending_);
}

bool TFM_SNTP::BusyNow() const {
    return ReadPending_ || FetchPending_ || WritePending_ || TSettingsForm::BusyNow();
}

void TFM_SNTP::showEvent(QShowEvent* event) {
    TSettingsForm::showEvent(event);
    Bt_Cancel->setFocus();
}

void ShowSntpForm() {
    ShowServedForm<TFM_SNTP>();
}
