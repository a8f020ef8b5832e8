#include "forms/wireless/Wirless.h"
#include "forms/wireless/WirlessRows.h"

#include "app/forms/ShowForm.h"
#include "forms/wireless/BandPages.h"
#include "library/snmp/New_req2Edit.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Events.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"

#include <QPushButton>
#include <QTabWidget>

TFM_Wirless::TFM_Wirless(QWidget* owner) : TSettingsForm(owner) {
    setupUi(this);
    WindowOptions window;
    window.Panels = 1;
    SetUpWindow(StatusBar, window);
    Band[0].Find(this, 1);
    Band[1].Find(this, 2);
    Pages_ = std::make_unique<BandPages>(PC_Wirless, Band[0].Page, Band[1].Page);
    Pages_->Lay();
    for (WirlessBand& band : Band) {
        band.SSID->SetMaxLength(32);
        WireHandlers(band);
    }

    OnClicked(Bt_Apply, [this] { Bt_ApplyClick(Bt_Apply); });
    OnClicked(Bt_Refresh, [this] { Bt_RefreshClick(Bt_Refresh); });
    OnCancel(Bt_Close);
    OnSignal(PC_Wirless, &QTabWidget::currentChanged, [this] { PC_WirlessChange(PC_Wirless); });

    FormCreate(this);
}

// Handlers are set before the bindings, which chain their change flags in front of them.
void TFM_Wirless::WireHandlers(WirlessBand& b) {
    WirlessBand* band = &b;
    auto on = [this](TNotifyEvent& event, std::function<void()> body) {
        OnEvent(event, [this, body](QObject*) {
            if (!SyncingCopies_)
                body();
        });
    };
    on(b.AuthTemp->OnChange, [this, band] {
        AuthTempChange(*band);
        MarkAsked(*band, rAuthentication); // the user's choice, copied into the bound combo
    });
    on(b.Auth->OnChange, [this] { ShowSecurityGroups(); });
    on(b.Encryp->OnChange, [this, band] {
        SyncingCopies_ = true;
        band->X.Encryp->SetItemIndex(band->Encryp->GetItemIndex());
        SyncingCopies_ = false;
        ShowSecurityGroups();
    });
    on(b.X.Encryp->OnChange, [this, band] {
        band->Encryp->SetItemIndex(band->X.Encryp->GetItemIndex());
        MarkAsked(*band, rEncryption);
        ShowSecurityGroups();
    });
    on(b.XType->OnChange, [this] { ShowSecurityGroups(); });
    // The visible cipher lists are copied into the bound one at Apply: a pick there is the user's.
    for (TComboBox* cipher : {b.CipherPsk, b.CipherRadius})
        on(cipher->OnChange, [this, band] { MarkAsked(*band, rCipher); });
    on(b.KeyType->OnChange, [this, band] { KeyTypeChange(*band); });
    on(b.X.KeyType->OnChange, [this, band] {
        band->KeyType->SetItemIndex(band->X.KeyType->GetItemIndex());
        MarkAsked(*band, rKeyType);
        KeyTypeChange(*band);
    });
    on(b.KeySize->OnChange, [this, band] { KeySizeChange(*band); });
    on(b.X.KeySize->OnChange, [this, band] {
        band->KeySize->SetItemIndex(band->X.KeySize->GetItemIndex());
        KeySizeChange(*band);
    });
    on(b.ValKey->OnChange, [this, band] { ValidKeyChange(*band); });
    on(b.X.ValKey->OnChange, [this, band] {
        band->ValKey->SetItemIndex(band->X.ValKey->GetItemIndex());
        MarkAsked(*band, rValidKey);
        ValidKeyChange(*band);
    });
    on(b.ApMode->OnChange, [this, band] { ApModeChange(*band); });
    OnEvent(b.AutoScan->OnClick, [band](QObject*) { band->Chan->setEnabled(!band->AutoScan->Checked()); });
    for (int k = 0; k < 4; ++k) {
        OnEvent(b.Key[k]->OnExit, [this, band](QObject*) { KeyExit(*band); });
        OnEvent(b.X.Key[k]->OnExit, [this, band](QObject*) { XKeyExit(*band); });
    }
    for (TEdit* e : {b.RadiusServer, b.RadiusPort, b.RadiusSecret})
        OnEvent(e->OnExit, [this, band](QObject*) {
            if (band->Number == 1)
                RadiusportEditExit();
            else
                XRadiusExit(*band, true);
        });
    for (TEdit* e : {b.X.RadiusServer, b.X.RadiusPort, b.X.RadiusSecret})
        OnEvent(e->OnExit, [this, band](QObject*) { XRadiusExit(*band, false); });
    if (b.Number == 2)
        for (TEdit* e : {b.AccountPort, b.AccountServer})
            OnEvent(e->OnExit, [this](QObject*) { RadiusportEditExit(); });

    if (b.Number == 1) {
        on(b.AccountMode->OnChange, [this] { CB_AccountModeChange(nullptr); });
        on(b.X.AccountMode->OnChange, [this, band] {
            Cb_AccountMode_802Change(nullptr);
            MarkAsked(*band, rAccountMode);
        });
        on(b.RadiusMode->OnChange, [this] { CB_RadiusModeChange(nullptr); });
        on(b.SecAccountMode->OnChange, [this] { CB_SecAccountingModeChange(nullptr); });
    } else {
        on(b.AccountMode->OnChange, [this] { Cb_AccountMode_gChange(nullptr); });
        on(b.RadiusMode->OnChange, [this] { CB_RadiusMode_gChange(nullptr); });
        on(b.SecAccountMode->OnChange, [this] { CB_SecAccountingMode_gChange(nullptr); });
    }
    // Text copies kept in step on every change.
    auto mirror = [this](TEdit* from, TEdit* to) {
        OnEvent(from->OnChange, [this, from, to](QObject*) {
            if (SyncingCopies_ || to->Text() == from->Text())
                return;
            SyncingCopies_ = true;
            to->SetText(from->Text());
            SyncingCopies_ = false;
        });
    };
    if (b.Number == 1) {
        mirror(b.AccountServer, b.X.AccountServer);
        mirror(b.X.AccountServer, b.AccountServer);
        mirror(b.AccountPort, b.X.AccountPort);
        mirror(b.X.AccountPort, b.AccountPort);
        mirror(b.SecAccountServer, Band[1].SecAccountServer);
        mirror(b.SecAccountPort, Band[1].SecAccountPort);
    }

    OnClicked(b.Scan, [this, band] { SiteScanClick(*band); });
    OnSignal(b.Sites, &QTreeWidget::itemClicked, [this, band] { LV_SiteInfoClick(*band); });
}

bool TFM_Wirless::PageVisible(const WirlessBand& band) const {
    return Pages_->Live(band.Number);
}

bool TFM_Wirless::PageActive(const WirlessBand& band) const {
    return PageVisible(band) && PC_Wirless->currentIndex() == band.PageIndex;
}

void TFM_Wirless::MakePageActive(WirlessBand& band) {
    Pages_->Activate(band.Number);
}

// Scan waits for its band's site walk to end, whoever started it.
void TFM_Wirless::SetActionButtons(bool enabled) {
    for (WirlessBand& band : Band)
        band.Scan->setEnabled(enabled && !SiteWalkBusy(band));
    Bt_Apply->setEnabled(enabled);
    Bt_Refresh->setEnabled(enabled);
    Bt_Close->setEnabled(enabled);
}

// A pending scan or a step in progress holds the form. Requests still waiting for answers do
// not: the form hides and their answers are awaited as the requests go.
bool TFM_Wirless::BusyNow() const {
    return !NoScanPending || Working_ > 0;
}

bool TFM_Wirless::SiteWalkBusy(const WirlessBand& band) const {
    const WirlessSiteTable* table = SiteTableReq[band.PageIndex].get();
    return table != nullptr && (table->Busy || table->Request.Outstanding > 0);
}

void ShowWirlessForm() {
    ShowModalForm<TFM_Wirless>();
}
