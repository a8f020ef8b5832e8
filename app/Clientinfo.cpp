#include "app/Clientinfo.h"

#include "app/StationRowTables.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"
#include "ui_Clientinfo.h"

const char* const TClientInformation::kOldFirmwareText =
    "Maybe this firmware is so old that client info function is not supported.";

namespace {

std::string BandText(const std::string& value) {
    if (value == "0")
        return "A";
    if (value == "1")
        return "B";
    if (value == "2")
        return "G";
    return " ";
}

std::string PowerSavingText(const std::string& value) {
    if (value == "0")
        return "Off";
    if (value == "1")
        return "On";
    return " ";
}

} // namespace

TClientInformation::TClientInformation(QWidget* owner, int refreshMilliseconds, int probeMilliseconds)
    : TStationListForm(owner, refreshMilliseconds), ui_(std::make_unique<Ui::TClientInformation>()) {
    ui_->setupUi(this);
    Timer2 = new TTimer(this);
    Timer2->SetEnabled(false);
    Timer2->SetInterval(probeMilliseconds);
    Timer2->SetOnTimer([this](QObject*) { Timer2Timer(); });
    FormCreate({ui_->Label15, ui_->ClientNum_a, ui_->Label1, ui_->ClientNum_g, ui_->IfGetInfo0,
                ui_->IfGetInfo1, ui_->ClientListView, ui_->User_ListView, ui_->Bt_Rfrsh, ui_->Bt_Close,
                ui_->StatusBar},
               {MibRows::stClientNum(), MibRows::stGetClient(), MibRows::stClientIndex_to_stClientPSM()},
               {{"Index", 0},
                {"SSID", 75},
                {"MAC", 110},
                {"Band", 40},
                {"Authentication", 100},
                {"Signal", 50},
                {"Power Saving Mode", 125}});
    SupportCountdown = 2;
}

TClientInformation::~TClientInformation() {
    // The base tears the requests down while processing messages; no probe may run meanwhile.
    Timer2->SetEnabled(false);
}

// Hidden row: SSID, MAC, band, authentication, signal, power saving.
std::vector<std::string> TClientInformation::ShownColumns(const std::vector<std::string>& hidden) const {
    auto at = [&](size_t i) { return i < hidden.size() ? hidden[i] : std::string(); };
    return {at(0), at(1), BandText(at(2)), at(3), at(4) + "  %", PowerSavingText(at(5))};
}

void TClientInformation::Timer2Timer() {
    if (SupportCountdown > 0) {
        --SupportCountdown;
        return;
    }
    if (!ClientNum_a->Caption().empty() || !ClientNum_g->Caption().empty())
        return;
    Timer2->SetEnabled(false);
    MessageBox(this, kOldFirmwareText, "Warning");
    OldFirmware = true;
    close();
}

void TClientInformation::StopTimers() {
    TStationListForm::StopTimers();
    Timer2->SetEnabled(false);
}

void TClientInformation::showEvent(QShowEvent* event) {
    TStationListForm::showEvent(event);
    Timer2->SetEnabled(true);
}

void ShowClientInformation() {
    TClientInformation form(nullptr);
    form.exec();
}
