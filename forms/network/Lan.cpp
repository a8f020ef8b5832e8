#include "forms/network/Lan.h"

#include "app/forms/ApplyOutcome.h"
#include "app/forms/ShowForm.h"
#include "app/mib/MibObjectDefs.h"
#include "app/program/Main.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "library/snmp/RowsLeftOut.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Events.h"
#include "platform/Exception.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"

#include <QPushButton>
#include <exception>
#include <utility>
#include <vector>

namespace {

const VarDef kDnsServer1[] = {
    Row("1.3.6.1.4.1.48113.11.37.4.2.2.5", "bDNSServer1", SYN_IPADDRESS, ACC_READWRITE),
    EndOfRows(),
};
const VarDef kDnsServer2[] = {
    Row("1.3.6.1.4.1.48113.11.37.4.2.2.6", "bDNSServer2", SYN_IPADDRESS, ACC_READWRITE),
    EndOfRows(),
};

constexpr int kIndexStatic = 0;
constexpr int kIndexDhcp = 1;
constexpr uint32_t kTimeOut = 1000; // hundredths: 10 s
constexpr int kMaxInput = 15;       // "255.255.255.255"
// How the device reads and writes "no server".
constexpr char kNoServer[] = "0.0.0.0";
constexpr char kWarning[] = "Warning";
constexpr char kNotice[] = "Wait for a moment,Please connect with new IP address!.";
constexpr char kSetSuccess[] = "Set Success!";
constexpr char kSetError[] = "Set Error!";

} // namespace

TFM_LanCfg::TFM_LanCfg(QWidget* owner) : TSettingsForm(owner) {
    setupUi(this);
    SetUpWindow(StatusBar, {.Size = QSize(271, 281), .Minimise = true, .CentreOnMain = true});

    Own(AddressRequest, Dns1Request, Dns2Request);
    // Before the binding: it chains the combo box's own handler in front of its flag.
    OnEvent(CB_IPFrom->OnChange, [this](QObject* sender) { CB_IPFromChange(sender); });
    OnClicked(BT_LanCfgOk, [this] { BT_LanCfgOkClick(BT_LanCfgOk); });
    OnCancel(BT_LanCfgCancel);

    FormCreate(this);
}

// Every request reports a failed read on the status bar, the DNS requests too: a box per failed
// DNS read would come up before the form does.
void TFM_LanCfg::FormCreate(QObject*) {
    const bool built = BuildRequests([this] {
        auto& address =
            MakeRequest(AddressRequest, MibRows::bGetIPFrom_to_bDefaultGateway(), {.TimeOut = kTimeOut});
        address.BindComboBox(0, CB_IPFrom);
        address.BindEdits(1, "%s", ED_IpAddr);
        address.BindEdits(2, "%s", ED_SubMask);
        address.BindEdits(3, "%s", ED_DefGw);
        MakeRequest(Dns1Request, kDnsServer1, {.TimeOut = kTimeOut}).BindEdits(0, "%s", EDT_DNS1);
        MakeRequest(Dns2Request, kDnsServer2, {.TimeOut = kTimeOut}).BindEdits(0, "%s", EDT_DNS2);
    });
    if (built) {
        Read(*AddressRequest);
        Read(*Dns1Request);
        Read(*Dns2Request);
    }
    ShowStaticFields();
    for (TEdit* edit : {ED_IpAddr, ED_SubMask, ED_DefGw, EDT_DNS1, EDT_DNS2})
        edit->SetMaxLength(kMaxInput);
    for (TEdit* edit : {EDT_DNS1, EDT_DNS2})
        if (edit->Text() == kNoServer)
            edit->SetText("");
}

void TFM_LanCfg::ShowStaticFields() {
    const bool shown = CB_IPFrom->GetItemIndex() != kIndexDhcp;
    for (QWidget* w :
         std::initializer_list<QWidget*>{LA_IPAddress, LA_SubnetMask, LA_DefGW, ED_IpAddr, ED_SubMask,
                                         ED_DefGw, LA_DNS1, EDT_DNS1, LA_DNS2, EDT_DNS2})
        w->setVisible(shown);
}

void TFM_LanCfg::CB_IPFromChange(QObject*) {
    ShowStaticFields();
}

void TFM_LanCfg::BT_LanCfgOkClick(QObject*) {
    // A request that could not be built at creation has nothing to write with.
    if (!RequestsBuilt())
        return;
    switch (CB_IPFrom->GetItemIndex()) {
    case kIndexStatic:
        ApplyStatic();
        break;
    case kIndexDhcp:
        ApplyDhcp();
        break;
    default:
        // Neither read (or shown) nor chosen: nothing is known to write.
        ShowStatus(LeftOutText(false, !AddressRequest->Unshown(0), AddressRequest->Unshown(0)));
        break;
    }
}

void TFM_LanCfg::Notify() {
    MessageBox(this, kNotice, kWarning, MB_OK);
}

void TFM_LanCfg::Refuse(TEdit* edit, const char* text, bool focus) {
    MessageBox(this, text, kWarning, MB_OK);
    edit->SetText("");
    if (focus)
        edit->setFocus();
}

// An empty edit goes out as "0.0.0.0" and reads empty again afterwards. A server neither read
// nor typed is not written: `outcome` counts it left out, and the write counts as done.
bool TFM_LanCfg::WriteDns(NxSNMPRequest2Edits& request, TEdit* edit, ApplyOutcome& outcome) {
    if (!request.Holds(0)) {
        outcome.LeftOut();
        return true;
    }
    bool ok = false;
    if (!edit->Text().empty()) {
        ok = WriteOrRaise(request, ReadBack::Yes);
    } else {
        edit->SetText(kNoServer);
        try {
            ok = WriteOrRaise(request, ReadBack::Yes);
        } catch (...) {
            edit->SetText("");
            throw;
        }
        edit->SetText("");
    }
    // A refusal is shown by the caller at once; a server taken is something the Apply wrote.
    if (ok)
        outcome.Add(request, true);
    return ok;
}

void TFM_LanCfg::ApplyStatic() {
    if (!TMainForm::IsValidIPAddress(ED_IpAddr->Text()))
        return Refuse(ED_IpAddr, "Please input valid IP Address.", false);
    if (!TMainForm::IsValidSubnetMask(ED_SubMask->Text()))
        return Refuse(ED_SubMask, "Please input valid Subnet Mask.", false);
    if (!TMainForm::IsValidIPAddress(ED_DefGw->Text()))
        return Refuse(ED_DefGw, "Please input valid Gateway.", true);
    // A server neither read nor typed keeps the layout's text and is not written: not checked.
    const bool dns1Given = Dns1Request->Holds(0) && !EDT_DNS1->Text().empty();
    const bool dns2Given = Dns2Request->Holds(0) && !EDT_DNS2->Text().empty();
    // Both servers are checked before the first write, so that a refused DNS2 leaves the device
    // untouched.
    if (dns1Given && !TMainForm::IsValidIPAddress(EDT_DNS1->Text()))
        return Refuse(EDT_DNS1, "Please input valid DNS.", true);
    if (dns2Given && !TMainForm::IsValidIPAddress(EDT_DNS2->Text()))
        return Refuse(EDT_DNS2, "Please input valid DNS.", true);

    // One notice per run, whichever of the DNS fields are empty.
    // It comes before the address write, at the step users of this device have always seen it; kept so.
    if (dns1Given && !dns2Given)
        Notify();
    ApplyOutcome outcome;
    const bool dns1Written = WriteDns(*Dns1Request, EDT_DNS1, outcome);
    if (!dns1Given && !dns2Given)
        Notify();
    if (!dns1Written)
        return ShowStatus(WriteFailureText(*Dns1Request, kSetError));

    if (dns2Given)
        Notify();
    if (!WriteDns(*Dns2Request, EDT_DNS2, outcome))
        return ShowStatus(WriteFailureText(*Dns2Request, kSetError));

    const bool written = WriteOrRaise(*AddressRequest, ReadBack::Yes);
    ShowWriteResult(written, outcome);
}

// `outcome` holds the DNS servers written or left out before the address group.
void TFM_LanCfg::ShowWriteResult(bool written, ApplyOutcome outcome) {
    outcome.Add(*AddressRequest, written);
    ShowStatus(outcome.Text(kSetSuccess, kSetError));
}

void TFM_LanCfg::ApplyDhcp() {
    if (MessageBox(this, "Device will reboot,continue?", kWarning, MB_OKCANCEL) != IDOK)
        return;
    bool ok = false;
    {
        // Address, mask and gateway stay out of a DHCP write, so that a later static Apply sends
        // the whole group again.
        RowsLeftOut onlySource(AddressRequest->Request.VarList, {1, 2, 3});
        ok = WriteOrRaise(*AddressRequest, ReadBack::Yes);
    }
    ShowWriteResult(ok, {});
}

void ShowLanForm() {
    ShowModalForm<TFM_LanCfg>();
}
