#include "app/Wdsinfo.h"

#include "app/StationRowTables.h"
#include "ui_Wdsinfo.h"

TFM_WdsInfo::TFM_WdsInfo(QWidget* owner, int refreshMilliseconds)
    : TStationListForm(owner, refreshMilliseconds), ui_(std::make_unique<Ui::TFM_WdsInfo>()) {
    ui_->setupUi(this);
    FormCreate(
        {ui_->Label15, ui_->ClientNum_a, ui_->Label1, ui_->ClientNum_g, ui_->IfGetInfo0, ui_->IfGetInfo1,
         ui_->ClientListView, ui_->User_ListView, ui_->Bt_Rfrsh, ui_->Bt_Close, ui_->StatusBar},
        {MibRows::wdsClientNum(), MibRows::wdsClientinfoGet(), MibRows::Index_to_wdsClientinfoChannel()},
        {{"Index", 45},
         {"SSID", 90},
         {"MAC ", 100},
         {"Band", 45},
         {"Authentication", 105},
         {"Signal", 55},
         {"Channel", 60}});
}

TFM_WdsInfo::~TFM_WdsInfo() = default;

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
