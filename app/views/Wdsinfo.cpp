#include "app/views/Wdsinfo.h"

#include "app/views/StationRowTables.h"

TFM_WdsInfo::TFM_WdsInfo(QWidget* owner, int refreshMilliseconds)
    : TStationListForm(owner, refreshMilliseconds) {
    setupUi(this);
    FormCreate(
        ControlsOf<Ui::TFM_WdsInfo>(*this),
        {MibRows::wdsClientNum(), MibRows::wdsClientinfoGet(), MibRows::Index_to_wdsClientinfoChannel()},
        {{"Index", 45},
         {"SSID", 90},
         {"MAC ", 100},
         {"Band", 45},
         {"Authentication", 105},
         {"Signal", 55},
         {"Channel", 60}});
}

// Hidden row: SSID, MAC, band and authentication as option texts, signal, channel.
std::vector<std::string> TFM_WdsInfo::ShownColumns(const std::vector<std::string>& hidden) const {
    std::vector<std::string> shown = hidden;
    shown.resize(6);
    shown[4] += "  %";
    return shown;
}

void ShowWdsInformation(QWidget* owner) {
    TFM_WdsInfo form(owner);
    form.exec();
}
