#include "forms/network/Rogueap.h"

#include "app/forms/ShowForm.h"
#include "forms/network/RogueApRows.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/RadioGroup.h"
#include "platform/StatusBar.h"

#include <QFrame>
#include <QGroupBox>
#include <QPushButton>
#include <QResizeEvent>
#include <QTimer>
#include <cmath>
#include <cstdlib>

namespace {

constexpr uint32_t kActionTimeOut = 1000; // hundredths: 10 s
constexpr int kIndexAdHoc = 1;
constexpr int kBandRow = 1;
constexpr int kSecurityRow = 2;
constexpr int kDetect = 1; // "detect" of the detect action's option list
// Where the list buttons sit across their group, and Apply and Cancel across their panel.
constexpr double kDetectAt = 0.432258064516129, kAddAt = 0.621505376344086, kDelAt = 0.810752688172043;
constexpr double kApplyAt = 0.5171717171717172, kCancelAt = 0.7696969696969697;
constexpr int kButtonAboveBottom = 24;
constexpr int kMargin = 4, kListInset = 8, kListTop = 20;

int At(double share, int width) {
    return int(std::lround(share * width));
}

} // namespace

TFM_RogueForm::TFM_RogueForm(QWidget* owner) : TSettingsForm(owner) {
    setupUi(this);
    DetectWait = new QTimer(this);
    DetectWait->setSingleShot(true);
    DetectWait->setTimerType(Qt::PreciseTimer); // never shorter than asked
    DetectWait->setInterval(kDetectWaitMillis);

    SetUpWindow(StatusBar1);
    // The layout follows the window: resizable from its designed size upwards.
    setMinimumSize(size());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    for (TListView* view : {RogueListView, AP_ListView})
        view->SetReportStyle();

    for (TCheckBox* box : {CheckBox_11a, CheckBox_11b, CheckBox_11g})
        OnEvent(box->OnClick, [this](QObject* sender) { CheckBox_11aClick(sender); });
    for (TCheckBox* box : {ChcBxo_off, ChcBxo_wep, ChcBxo_eap, ChcBxo_psk, WPA2EAPCkBox, WPA2PSKCkBox,
                           WPA2AUTECkBox, WPA2AUTPCkBox})
        OnEvent(box->OnClick, [this](QObject* sender) { ChcBxo_offClick(sender); });
    OnEvent(BSSTypRadGrp->OnClick, [this](QObject* sender) { BSSTypRadGrpClick(sender); });
    // The boxes are copies of the hidden filter edits: the user's click asks for the edit's value.
    auto asks = [this](std::initializer_list<TCheckBox*> boxes, int row) {
        for (TCheckBox* box : boxes)
            OnSignal(box, &QAbstractButton::clicked, [this, row] {
                if (FilterRequest)
                    FilterRequest->MarkAsked(row);
            });
    };
    asks({CheckBox_11a, CheckBox_11b, CheckBox_11g}, kBandRow);
    asks({ChcBxo_off, ChcBxo_wep, ChcBxo_eap, ChcBxo_psk, WPA2EAPCkBox, WPA2PSKCkBox, WPA2AUTECkBox,
          WPA2AUTPCkBox},
         kSecurityRow);
    OnClicked(DetectBtn, [this] { DetectBtnClick(DetectBtn); });
    OnClicked(AddBtn, [this] { AddBtnClick(AddBtn); });
    OnClicked(DelBtn, [this] { DelBtnClick(DelBtn); });
    OnClicked(ListDelBtn, [this] { ListDelBtnClick(ListDelBtn); });
    OnClicked(Apply_Btn, [this] { Apply_BtnClick(Apply_Btn); });
    OnCancel(Cancel_Btn);
    OnSignal(DetectWait, &QTimer::timeout, [this] {
        ShowStatus("Detecting success. Getting data...");
        if (FoundRequest)
            Start(*FoundRequest, false, nullptr);
    });
    FormCreate(this);
}

void TFM_RogueForm::FormCreate(QObject*) {
    Guard([this] {
        MakeRequest(RadioRequest, MibRows::adRadioWave_1(), {.Kind = MVT_SV}).BindComboBox(0, CB_Radio);
        Read(*RadioRequest);

        auto& filters =
            MakeRequest(FilterRequest, MibRows::bssTypeDetected_to_securityTypeDetected(), {.Kind = MVT_SV});
        filters.BindRadioGroup(0, BSSTypRadGrp, 3);
        filters.BindEdits(kBandRow, "%u", BandEdit);
        filters.BindEdits(kSecurityRow, "%u", SecEdit);
        Read(filters);
        ShowFilters();

        const RequestOptions action{
            .TimeOut = kActionTimeOut, .Kind = SVT_SV, .Mode = NxSNMPRequest2Controls::ModeCallback};
        MakeRequest(DetectRequest, MibRows::rogueAPDetect(), action).BindComboBox(0, DetectRogueCoBox);
        MakeRequest(AddRequest, MibRows::addRogueAPtoAPList(), action).BindEdits(0, "%u", AddCoBox);
        MakeRequest(DeleteFoundRequest, MibRows::deleteRogueAPFromResult(), action)
            .BindEdits(0, "%u", DelDetcetEdit);
        MakeRequest(DeleteKnownRequest, MibRows::deleteRogueAPfromAPList(), action)
            .BindEdits(0, "%u", DelCoBox);
        DetectRequest->OnEndingSet = [this](NxSNMPRequest2Controls*, NxSNMPError* r) { OnDetectDone(r); };
        AddRequest->OnEndingSet = [this](NxSNMPRequest2Controls* sender, NxSNMPError* r) {
            OnActionDone(*sender, r, "Add to AP list successfully! Getting data...", true, true);
        };
        DeleteFoundRequest->OnEndingSet = [this](NxSNMPRequest2Controls* sender, NxSNMPError* r) {
            OnActionDone(*sender, r, "Delete rogue AP successfully! Getting data...", true, false);
        };
        DeleteKnownRequest->OnEndingSet = [this](NxSNMPRequest2Controls* sender, NxSNMPError* r) {
            OnActionDone(*sender, r, "Delete successfully! Getting data...", false, true);
        };
        // The device moves an entry once: a resend after a lost answer would meet it moved already.
        for (auto* action : {AddRequest.get(), DeleteFoundRequest.get(), DeleteKnownRequest.get()})
            action->Request.Retries = 0;

        const RequestOptions list{.TimeOut = kActionTimeOut,
                                  .Kind = MVT_UMV,
                                  .Mode = NxSNMPRequest2Controls::ModeCallback,
                                  .KeyCount = 1};
        MakeRequest<ListWalkRequest>(FoundRequest, MibRows::ifIndex_to_SSID(), list)
            .AttachListView(RogueListView, false);
        MakeRequest<ListWalkRequest>(KnownRequest, MibRows::Index_to_SSID(), list)
            .AttachListView(AP_ListView, false);
        FoundRequest->OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* r) {
            OnDetectedListRead(r);
        };
        KnownRequest->OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* r) { OnKnownListRead(r); };
        KnownRequest->LimitWalk(kMaxKnown, "AP list"); // the device keeps no more known access points
        for (auto* request : {FoundRequest.get(), KnownRequest.get()}) {
            request->BuildColumns();
            // The index the actions take is not for the eye.
            const int widths[] = {0, 70, 40, 120, 150, 50, 200};
            for (int column = 0; column < request->ListView()->ColumnCount() && column < 7; ++column)
                request->ListView()->SetColumnWidth(column, widths[column]);
        }
        SetButtons(false);
        Start(*FoundRequest, false, nullptr);
        ReadKnownList();

        auto& support = MakeRequest(SupportRequest, MibRows::rogueApProtectionSupported(), {.Kind = SVT_SV});
        support.BindEdits(0, "%s", Ed_RogueSupport);
        Support_.Probe(support);
        Lab_RogueAP->setVisible(ProtectionSupported());
        CB_RogueAP->setVisible(ProtectionSupported());
        if (ProtectionSupported()) {
            MakeRequest(ProtectionRequest, MibRows::adRogueApProtection(), {.Kind = SVT_SV})
                .BindComboBox(0, CB_RogueAP);
            Read(*ProtectionRequest);
        }
    });
}

void TFM_RogueForm::ReleaseOnClose() {
    DetectWait->stop();
    TSettingsForm::ReleaseOnClose();
}

bool TFM_RogueForm::BusyNow() const {
    return !Idle() || TSettingsForm::BusyNow();
}

bool TFM_RogueForm::ProtectionSupported() const {
    return Support_.Supported() && Ed_RogueSupport->Text() == "1";
}

// A radio whose state was not read is not taken for off: no warning, Detect stays.
bool TFM_RogueForm::RadioOn() const {
    return !RadioRequest || !RadioRequest->Holds(0) || CB_Radio->Text() != "Off";
}

void TFM_RogueForm::SetButtons(bool enabled) {
    for (QPushButton* button : {AddBtn, DelBtn, ListDelBtn, Cancel_Btn, Apply_Btn})
        button->setEnabled(enabled);
    DetectBtn->setEnabled(enabled && RadioOn());
}

void TFM_RogueForm::Start(NxSNMPRequest2Edits& request, bool write, const char* progress) {
    ++Outstanding_;
    try {
        if (write) {
            request.MarkAsked(-1); // an action object: its value is the form's own
            WriteLater(request, ReadBack::No);
        } else
            request.Get();
        if (progress)
            ShowStatus(progress);
    } catch (const std::exception& e) {
        Ended(e.what());
    }
}

void TFM_RogueForm::Ended(const std::string& status) {
    if (Outstanding_ > 0)
        --Outstanding_;
    if (!status.empty())
        ShowStatus(status);
    if (Idle() && !DetectWait->isActive())
        SetButtons(true);
}

// A failure stays in view: another request's "Get OK!" does not replace it. A list that failed
// while the other one is still being filled says so once that one has ended.
void TFM_RogueForm::EndedRead(NxSNMPRequest2Controls& request, const NxSNMPError& result) {
    if (result.Code != 0 && Outstanding_ > 1) {
        KeepReadFailureUnseen(request, request.StatusLine(result.Message));
        return Ended({});
    }
    EndedAction(request, result, {});
    Ended({});
    if (result.Code == 0)
        ShowReadOk("Get OK!");
}

void TFM_RogueForm::EndedAction(NxSNMPRequest2Controls& request, const NxSNMPError& result,
                                const std::string& success) {
    if (result.Code != 0) {
        request.ShowStatus(result.Message);
        return KeepReadFailure(request);
    }
    DropReadFailure(request);
    if (!success.empty())
        ShowStatus(success);
}

void TFM_RogueForm::ReadKnownList() {
    KnownRead_ = false;
    if (KnownRequest)
        Start(*KnownRequest, false, nullptr);
}

std::string TFM_RogueForm::SelectedIndex(TListView* view) const {
    const int item = view->ItemIndex();
    return item < 0 ? std::string() : view->ItemCaption(item);
}

// A filter not read shows no boxes ticked by a guess: its boxes stay off, since a click would make
// a value of the others, which hold nothing of the device.
void TFM_RogueForm::ShowFilters() {
    const bool bandKnown = FilterRequest && FilterRequest->Holds(kBandRow);
    const bool securityKnown = FilterRequest && FilterRequest->Holds(kSecurityRow);
    const std::string bandText = BandEdit->Text(), securityText = SecEdit->Text();
    const long band = std::strtol(bandText.c_str(), nullptr, 10);
    const long security = std::strtol(securityText.c_str(), nullptr, 10);
    const std::pair<TCheckBox*, long> bands[] = {{CheckBox_11a, 1}, {CheckBox_11b, 4}, {CheckBox_11g, 8}};
    for (const auto& [box, bit] : bands) {
        box->setEnabled(bandKnown);
        if (bandKnown)
            box->SetChecked((band & bit) != 0);
    }
    TCheckBox* const kinds[] = {ChcBxo_off,   ChcBxo_wep,   ChcBxo_eap,    ChcBxo_psk,
                                WPA2EAPCkBox, WPA2PSKCkBox, WPA2AUTECkBox, WPA2AUTPCkBox};
    for (int i = 0; i < 8; ++i) {
        kinds[i]->setEnabled(securityKnown && (i < 2 || WpaFilterOn()));
        if (securityKnown)
            kinds[i]->SetChecked((security & (1L << i)) != 0);
    }
    // Ticking the boxes runs their handlers, which sum the bits anew (no WPA for ad hoc): the
    // device's values stay what an untouched Apply writes.
    BandEdit->SetText(bandText);
    SecEdit->SetText(securityText);
}

bool TFM_RogueForm::WpaFilterOn() const {
    return FilterRequest && FilterRequest->Holds(0) && FilterRequest->Holds(kSecurityRow) &&
           BSSTypRadGrp->GetItemIndex() != kIndexAdHoc;
}

void TFM_RogueForm::CheckBox_11aClick(QObject*) {
    const int band = (CheckBox_11a->Checked() ? 1 : 0) + (CheckBox_11b->Checked() ? 4 : 0) +
                     (CheckBox_11g->Checked() ? 8 : 0);
    BandEdit->SetText(std::to_string(band));
}

void TFM_RogueForm::ChcBxo_offClick(QObject*) {
    int security = (ChcBxo_off->Checked() ? 1 : 0) + (ChcBxo_wep->Checked() ? 2 : 0);
    if (BSSTypRadGrp->GetItemIndex() != kIndexAdHoc) {
        int bit = 4;
        for (TCheckBox* box :
             {ChcBxo_eap, ChcBxo_psk, WPA2EAPCkBox, WPA2PSKCkBox, WPA2AUTECkBox, WPA2AUTPCkBox}) {
            security += box->Checked() ? bit : 0;
            bit <<= 1;
        }
    }
    SecEdit->SetText(std::to_string(security));
}

// An ad hoc network has no WPA.
void TFM_RogueForm::BSSTypRadGrpClick(QObject* sender) {
    for (TCheckBox* box : {ChcBxo_eap, ChcBxo_psk, WPA2EAPCkBox, WPA2PSKCkBox, WPA2AUTECkBox, WPA2AUTPCkBox})
        box->setEnabled(WpaFilterOn());
    ChcBxo_offClick(sender);
}

void TFM_RogueForm::DetectBtnClick(QObject*) {
    if (!FilterRequest || !DetectRequest)
        return;
    SetButtons(false);
    DetectRogueCoBox->SetItemIndex(kDetect);
    // Scanning by filters the device refused would report what the user did not ask for; with
    // none read or asked, the device scans by its own.
    if (!WriteAsked(*FilterRequest)) {
        FilterRequest->ShowStatus(FilterRequest->Request.Result.Message);
        SetButtons(Idle());
        return;
    }
    Start(*DetectRequest, true, "Detecting...");
}

void TFM_RogueForm::AddBtnClick(QObject*) {
    const std::string index = SelectedIndex(RogueListView);
    if (!AddRequest || index.empty())
        return;
    if (AP_ListView->ItemCount() >= kMaxKnown) {
        MessageBox(this, "Miximum number of AP list is 30!", "Warning", MB_OK);
        return;
    }
    if (!KnownRead_)
        return ShowStatus(kKnownListNotRead);
    SetButtons(false);
    AddCoBox->SetText(index);
    Start(*AddRequest, true, "Adding...");
}

void TFM_RogueForm::DelBtnClick(QObject*) {
    const std::string index = SelectedIndex(RogueListView);
    if (!DeleteFoundRequest || index.empty())
        return;
    SetButtons(false);
    DelDetcetEdit->SetText(index);
    Start(*DeleteFoundRequest, true, "Deleting...");
}

void TFM_RogueForm::ListDelBtnClick(QObject*) {
    const std::string index = SelectedIndex(AP_ListView);
    if (!DeleteKnownRequest || index.empty())
        return;
    SetButtons(false);
    DelCoBox->SetText(index);
    Start(*DeleteKnownRequest, true, "Deleting...");
}

void TFM_RogueForm::OnDetectDone(NxSNMPError* result) {
    Guard([this, result] {
        if (result->Code != 0)
            return Ended(result->Message);
        // The device needs a moment before its list holds the scan's result.
        DetectWait->start();
        Ended("Detecting...");
    });
}

// A failed or unanswered action may still have changed the lists: they are read again either way.
void TFM_RogueForm::OnActionDone(NxSNMPRequest2Controls& request, NxSNMPError* result, const char* success,
                                 bool found, bool known) {
    Guard([this, &request, result, success, found, known] {
        EndedAction(request, *result, success);
        if (found)
            Start(*FoundRequest, false, nullptr);
        if (known)
            ReadKnownList();
        Ended({});
    });
}

void TFM_RogueForm::OnDetectedListRead(NxSNMPError* result) {
    Guard([this, result] { EndedRead(*FoundRequest, *result); });
}

void TFM_RogueForm::OnKnownListRead(NxSNMPError* result) {
    Guard([this, result] {
        KnownRead_ = result->Code == 0;
        EndedRead(*KnownRequest, *result);
        if (result->Code != 0)
            return;
        CB_RogueAP->setEnabled(RadioOn());
        if (!RadioOn()) {
            DetectBtn->setEnabled(false);
            MessageBox(this, "Radio has been turned off,the rogue ap detection will be invalid! ", "Warning",
                       MB_OK);
        }
    });
}

void TFM_RogueForm::Apply_BtnClick(QObject*) {
    if (!FilterRequest)
        return;
    const bool filters = WriteAsked(*FilterRequest);
    const bool protection = ProtectionSupported() && ProtectionRequest;
    const bool protected_ = !protection || WriteAsked(*ProtectionRequest);
    if (!filters)
        return ShowStatus(WriteFailureText(*FilterRequest, "Set Error!"));
    if (!protected_)
        return ShowStatus(WriteFailureText(*ProtectionRequest, "Set Error!"));
    ShowStatus(protection ? WrittenText({FilterRequest.get(), ProtectionRequest.get()}, "Set Success!")
                          : WrittenText({FilterRequest.get()}, "Set Success!"));
}

void TFM_RogueForm::resizeEvent(QResizeEvent* event) {
    TSettingsForm::resizeEvent(event);
    Guard([this] { FormResize(this); });
}

// Everything keeps its share of the window: the two lists share the height the window gains.
void TFM_RogueForm::FormResize(QObject*) {
    const int width = this->width() - 2 * kMargin;
    const int bar = StatusBar1->height();
    Panel1->setGeometry(kMargin, kMargin, width, height() - bar - 2 * kMargin);
    StatusBar1->setGeometry(0, height() - bar, this->width(), bar);
    const int inner = width - 2 * kMargin;
    GB_Filter->resize(inner, GB_Filter->height());
    const int filterRight = inner - GB_Band->x() - kListInset;
    for (QGroupBox* group : {GB_Band, GB_Security}) {
        group->resize(filterRight, group->height());
        int i = 0;
        for (TCheckBox* box : group->findChildren<TCheckBox*>(Qt::FindDirectChildrenOnly)) {
            if (box->isHidden() && box == CheckBox_11a)
                continue;
            box->move(kListInset + (i % 4) * filterRight / 4, box->y());
            box->resize(filterRight / 4 - 2, box->height());
            ++i;
        }
    }
    const int bottomRows = Panel2->height() + CB_RogueAP->height() + 4 * kMargin;
    const int listsTop = GB_Filter->y() + GB_Filter->height() + kMargin;
    const int listsHeight = Panel1->height() - listsTop - bottomRows - kMargin;
    const int rogueHeight = listsHeight * 54 / 100;
    GB_Rogue->setGeometry(kMargin, listsTop, inner, rogueHeight);
    GB_Known->setGeometry(kMargin, listsTop + rogueHeight + kMargin, inner,
                          listsHeight - rogueHeight - kMargin);
    for (QGroupBox* group : {GB_Rogue, GB_Known}) {
        const int buttonTop = group->height() - kButtonAboveBottom - kMargin;
        TListView* view = group == GB_Rogue ? RogueListView : AP_ListView;
        view->setGeometry(kListInset, kListTop, group->width() - 2 * kListInset,
                          buttonTop - kListTop - kMargin);
        for (auto [button, share] :
             {std::pair{DetectBtn, kDetectAt}, {AddBtn, kAddAt}, {DelBtn, kDelAt}, {ListDelBtn, kDelAt}})
            if (button->parentWidget() == group)
                button->move(At(share, group->width()), buttonTop);
    }
    const int protectionTop = GB_Known->y() + GB_Known->height() + 2 * kMargin;
    Lab_RogueAP->move(Lab_RogueAP->x(), protectionTop + 3);
    CB_RogueAP->move(CB_RogueAP->x(), protectionTop);
    Panel2->setGeometry(kMargin, protectionTop + CB_RogueAP->height() + kMargin, inner, Panel2->height());
    Apply_Btn->move(At(kApplyAt, inner), Apply_Btn->y());
    Cancel_Btn->move(At(kCancelAt, inner), Cancel_Btn->y());
}

void ShowRogueForm() {
    ShowModalForm<TFM_RogueForm>();
}
