#include "app/views/Clientinfo.h"

#include "app/forms/ShowForm.h"
#include "app/views/StationRowTables.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/Timer.h"

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
    : TStationListForm(owner, refreshMilliseconds) {
    setupUi(this);
    Timer2 = AddTimer(TimerStart::OnShow, probeMilliseconds, [this] { Timer2Timer(); });
    FormCreate(ControlsOf<Ui::TClientInformation>(*this),
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

void ShowClientInformation() {
    ShowModalForm<TClientInformation>();
}
