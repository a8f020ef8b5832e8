// What the AP mode decides: the page layout, the channel list, the WDS peer slots' editability and
// the warnings when the mode changes.
#include "forms/wireless/Wirless.h"

#include "app/forms/ModelCode.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

#include <QGroupBox>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>
#include <sstream>

namespace {

constexpr int kWdsWithAp = 1;
constexpr int kWds = 2;
constexpr int kGap = 6;
constexpr int kButtonsBelowGroups = 40;
constexpr int kRadiusHeight = 172;
constexpr int kAccountingRows = 45; // the Radius group's accounting part
constexpr char kZeroMac[] = "000000000000";

void SetEditable(TEdit* edit, bool editable) {
    edit->SetReadOnly(!editable);
}

} // namespace

void TFM_Wirless::LayoutByApMode(WirlessBand& b) {
    const int mode = b.ApMode->GetItemIndex();
    const bool wds = mode == kWdsWithAp || mode == kWds;
    b.GbWds->setVisible(wds);
    b.GbSite->setVisible(wds);
    b.GbRepeater->setVisible(false);
    b.GbWds->setTitle(mode == kWds ? " WDS without AP " : " WDS with AP ");

    const int left = b.GbWireless->x();
    int y = b.GbWireless->geometry().bottom() + kGap;
    if (wds) {
        b.GbWds->move(left, y);
        y = b.GbWds->geometry().bottom() + kGap;
        b.GbSite->move(left, y);
        y = b.GbSite->geometry().bottom() + kGap;
    }
    b.AuthLabel->move(b.AuthLabel->x(), y + 4);
    b.AuthTemp->move(b.AuthTemp->x(), y + 2);
    y += b.AuthTemp->height() + 2 * kGap;

    // Accounting rows of the Radius group show only where the device has accounting.
    const std::string s = b.Number == 1 ? "_a" : "_g";
    for (const char* name : {"LA_AccMode", "LA_AccServ", "LA_AccPort"})
        if (QWidget* label = findChild<QWidget*>(QString::fromStdString(name + s)))
            label->setVisible(b.AccountingSupported);
    for (QWidget* c : {static_cast<QWidget*>(b.AccountMode), static_cast<QWidget*>(b.AccountServer),
                       static_cast<QWidget*>(b.AccountPort)})
        c->setVisible(b.AccountingSupported);
    const int radiusHeight = kRadiusHeight - (b.AccountingSupported ? 0 : kAccountingRows);
    b.GbRadius->resize(b.GbRadius->width(), radiusHeight);

    int bottom = y;
    int below = y;
    for (QGroupBox* group : {b.GbKey, b.GbRadius, b.GbPsk, b.Gb8021x}) {
        group->move(left, y);
        if (!group->isHidden()) {
            below = std::max(below, group->geometry().bottom() + kGap);
            bottom = std::max(bottom, group->geometry().bottom());
        }
    }
    b.GbSecRadius->move(left, below);
    if (!b.GbSecRadius->isHidden())
        bottom = std::max(bottom, b.GbSecRadius->geometry().bottom());

    if (PC_Wirless->currentIndex() != b.PageIndex)
        return;
    // The page sits below the tab bar inside the page control; until the form is first shown the
    // bar has no height of its own yet, only the one it asks for.
    const int tabBar = PC_Wirless->tabBar()->sizeHint().height();
    const int pageHeight = bottom + kGap + tabBar + 4;
    PC_Wirless->resize(PC_Wirless->width(), pageHeight);
    const int buttons = PC_Wirless->y() + tabBar + bottom + 1 + kButtonsBelowGroups;
    for (QPushButton* button : {Bt_Apply, Bt_Refresh, Bt_Close})
        button->move(button->x(), buttons);
    const int barTop = buttons + Bt_Apply->height() + 2 * kGap;
    StatusBar->move(0, barTop);
    if (height() != barTop + StatusBar->height())
        setFixedSize(width(), barTop + StatusBar->height());
}

void TFM_Wirless::FillChannelCombos() {
    for (WirlessBand& b : Band)
        if (PageVisible(b))
            FillChannelCombo(b);
}

void TFM_Wirless::FillChannelCombo(WirlessBand& b) {
    b.Chan->ClearItems();
    b.Chan->setEnabled(!b.AutoScan->isChecked());
    // Without a mode the page shows, neither list is the band's: no channel is offered.
    if (!b.AccessPoint() && !b.Wds())
        return b.Chan->SetItemIndex(-1);
    const TEdit* list = b.AccessPoint() ? b.ChanList : b.WdsChanList;
    std::istringstream tokens(list->Text());
    std::string channel;
    // A channel the list lacks shows no choice, so that Apply cannot put another in its place.
    int selected = -1;
    while (tokens >> channel) {
        b.Chan->AddItem(channel);
        if (channel == b.ChanBound->Text())
            selected = b.Chan->ItemCount() - 1;
    }
    b.Chan->SetItemIndex(selected);
}

void TFM_Wirless::UpdateMacEditStates() {
    for (WirlessBand& b : Band) {
        if (!PageActive(b))
            continue;
        const bool wds = b.Wds();
        for (TEdit* mac : b.WdsMac) {
            if (mac->Text() == kZeroMac)
                mac->SetText("");
            SetEditable(mac, wds);
        }
        for (TEdit* e : {b.RoMac, b.CRoMac, b.RepeaterSSID})
            SetEditable(e, false);
    }
}

void TFM_Wirless::ApModeChange(WirlessBand& b) {
    BuildAuthList(b);
    UpdateMacEditStates();
    ShowSecurityGroups();
    FillChannelCombos();
    const int mode = b.ApMode->GetItemIndex();
    if (mode == kWds && b.MssidState->GetItemIndex() == 1) {
        std::string band;
        if (b.Number == 2 || ModelCode() == "7593")
            band = "IEEE802.11g";
        else if (ModelCode() == "6391")
            band = "IEEE802.11a";
        if (!band.empty())
            MessageBox(this, "If you select \"WDS\" mode," + band + " MSSID will be disabled!", "Warning",
                       MB_OK);
        b.MssidStateRead = 0;
    }
    if (b.Wds() && (b.Number == 2 || b.DataRateStatus->GetItemIndex() == 1))
        MessageBox(this, "If you select \"WDS with AP\" or\"WDS\"  mode,The data rate will be disabled!",
                   "Warning", MB_OK);
}
