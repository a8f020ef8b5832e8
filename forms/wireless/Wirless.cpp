#include "forms/wireless/Wirless.h"
#include "forms/wireless/WirlessRows.h"

#include "app/BandPages.h"
#include "library/snmp/New_req2Edit.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Events.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "ui_Wirless.h"

#include <QPushButton>
#include <QTabWidget>

TFM_Wirless::TFM_Wirless(QWidget* owner) : TSettingsForm(owner), ui_(std::make_unique<Ui::TFM_Wirless>()) {
    ui_->setupUi(this);
    PC_Wirless = ui_->PC_Wirless;
    Bt_Apply = ui_->Bt_Apply;
    Bt_Refresh = ui_->Bt_Refresh;
    Bt_Close = ui_->Bt_Close;
    StatusBar = ui_->StatusBar;
    MultiListView = ui_->MultiListView;
    CB_multioverwds = ui_->CB_multioverwds;
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
    OnClicked(Bt_Close, [this] { Bt_CloseClick(Bt_Close); });
    connect(PC_Wirless, &QTabWidget::currentChanged, this,
            [this] { GuardEvent([this] { PC_WirlessChange(PC_Wirless); }); });

    FormCreate(this);
}

TFM_Wirless::~TFM_Wirless() {
    DestroyRequests();
}

// Handlers are set before the bindings, which chain their change flags in front of them.
void TFM_Wirless::WireHandlers(WirlessBand& b) {
    WirlessBand* band = &b;
    auto on = [this](TNotifyEvent& event, std::function<void()> body) {
        event = [this, body](QObject*) {
            if (!SyncingCopies_)
                body();
        };
    };
    on(b.AuthTemp->OnChange, [this, band] {
        AuthTempChange(*band);
        MarkAsked(*band, rAuthentication); // the user's choice, copied into the bound combo
    });
    on(b.Auth->OnChange, [this] { ShowSecurityGroups(); });
    on(b.Encryp->OnChange, [this, band] {
        SyncingCopies_ = true;
        band->XEncrypt->SetItemIndex(band->Encryp->GetItemIndex());
        SyncingCopies_ = false;
        ShowSecurityGroups();
    });
    on(b.XEncrypt->OnChange, [this, band] {
        band->Encryp->SetItemIndex(band->XEncrypt->GetItemIndex());
        MarkAsked(*band, rEncryption);
        ShowSecurityGroups();
    });
    on(b.XType->OnChange, [this] { ShowSecurityGroups(); });
    on(b.KeyType->OnChange, [this, band] { KeyTypeChange(*band); });
    on(b.XKeyType->OnChange, [this, band] {
        band->KeyType->SetItemIndex(band->XKeyType->GetItemIndex());
        MarkAsked(*band, rKeyType);
        KeyTypeChange(*band);
    });
    on(b.KeySize->OnChange, [this, band] { KeySizeChange(*band); });
    on(b.XKeySize->OnChange, [this, band] {
        band->KeySize->SetItemIndex(band->XKeySize->GetItemIndex());
        KeySizeChange(*band);
    });
    on(b.ValKey->OnChange, [this, band] { ValidKeyChange(*band); });
    on(b.XValKey->OnChange, [this, band] {
        band->ValKey->SetItemIndex(band->XValKey->GetItemIndex());
        MarkAsked(*band, rValidKey);
        ValidKeyChange(*band);
    });
    on(b.ApMode->OnChange, [this, band] { ApModeChange(*band); });
    b.AutoScan->OnClick = [band](QObject*) { band->Chan->setEnabled(!band->AutoScan->Checked()); };
    for (int k = 0; k < 4; ++k) {
        b.Key[k]->OnExit = [this, band](QObject*) { KeyExit(*band); };
        b.XKey[k]->OnExit = [this, band](QObject*) { XKeyExit(*band); };
    }
    for (TEdit* e : {b.RadiusServer, b.RadiusPort, b.RadiusSecret})
        e->OnExit = [this, band](QObject*) {
            if (band->Number == 1)
                RadiusportEditExit();
            else
                XRadiusExit(*band, true);
        };
    for (TEdit* e : {b.XRadiusServer, b.XRadiusPort, b.XRadiusSecret})
        e->OnExit = [this, band](QObject*) { XRadiusExit(*band, false); };
    if (b.Number == 2)
        for (TEdit* e : {b.AccountPort, b.AccountServer})
            e->OnExit = [this](QObject*) { RadiusportEditExit(); };

    if (b.Number == 1) {
        on(b.AccountMode->OnChange, [this] { CB_AccountModeChange(nullptr); });
        on(b.XAccountMode->OnChange, [this, band] {
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
        from->OnChange = [this, from, to](QObject*) {
            if (SyncingCopies_ || to->Text() == from->Text())
                return;
            SyncingCopies_ = true;
            to->SetText(from->Text());
            SyncingCopies_ = false;
        };
    };
    if (b.Number == 1) {
        mirror(b.AccountServer, b.XAccountServer);
        mirror(b.XAccountServer, b.AccountServer);
        mirror(b.AccountPort, b.XAccountPort);
        mirror(b.XAccountPort, b.AccountPort);
        mirror(b.SecAccountServer, Band[1].SecAccountServer);
        mirror(b.SecAccountPort, Band[1].SecAccountPort);
    }

    connect(b.Scan, &QPushButton::clicked, this,
            [this, band] { GuardEvent([this, band] { SiteScanClick(*band); }); });
    connect(b.Sites, &QTreeWidget::itemClicked, this,
            [this, band] { GuardEvent([this, band] { LV_SiteInfoClick(*band); }); });
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

void TFM_Wirless::Bt_CloseClick(QObject*) {
    close();
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
    auto form = std::make_unique<TFM_Wirless>(nullptr);
    form->exec();
}
