#include "forms/admin/Admin.h"

#include "app/forms/AddressChecks.h"
#include "app/forms/ApplyOutcome.h"
#include "app/forms/ShowForm.h"
#include "app/forms/SupportProbe.h"
#include "app/mib/FreeRowTable.h"
#include "app/mib/MibRowTables.h"
#include "app/program/Main.h"
#include "forms/admin/AdminRows.h"
#include "library/common/IpText.h"
#include "library/snmp/New_req2Edit.h"
#include "library/snmp/NxRequestPass.h"
#include "library/snmp/NxSNMPStatus.h"
#include "library/snmp/RowsLeftOut.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Label.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/RadioGroup.h"
#include "platform/StatusBar.h"

#include <QLayout>
#include <QRadioButton>
#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>

namespace {

constexpr int kConsoleTelnetRow = 0;
constexpr int kConsoleSshRow = 2;

constexpr char kZeroIp[] = "0.0.0.0";
constexpr int kMaxRanges = 4;
constexpr uint32_t kProbeTimeOut = 1000;
constexpr int kAddressColumnWidth = 130;

// Firmware on which the location service lacks the trap objects.
bool TrapFirmware(const std::string& version) {
    return version != "v3.10" && version != "v3.20" && version != "v3.21";
}

int VlanId(const std::string& text) {
    if (text.empty() || text.size() > 9 || text.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::stoi(text);
}

} // namespace

TFM_Admin::TFM_Admin(QWidget* owner) : TSettingsForm(owner) {
    setupUi(this);
    SetUpWindow(StatusBar);
    // The window follows its layout, so a hidden group leaves no gap.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    Ranges_ = std::make_unique<FreeRowTable>(ListView_IpRange, std::vector<int>{0, 1}, kZeroIp);

    OnClicked(OK, [this] { OKClick(OK); });
    OnCancel(Cancel);
    OnClicked(Btn_Add, [this] { Btn_AddClick(Btn_Add); });
    OnClicked(Btn_Del, [this] { Btn_DelClick(Btn_Del); });
    // Before the bindings, which chain the boxes' own handlers in front of these.
    OnEvent(CkBx_ManagerState->OnClick, [this](QObject* s) { CkBx_ManagerStateClick(s); });
    OnEvent(CkBx_LBS->OnClick, [this](QObject* s) { CkBx_LBSClick(s); });
    OnEvent(CB_LimitVID->OnClick, [this](QObject* s) { CB_LimitVIDClick(s); });
    for (QRadioButton* button : {RB_None, RB_Telnet, RB_SHH})
        OnSignal(button, &QRadioButton::toggled, [this, button] {
            if (button->isChecked())
                RB_NoneClick(button);
        });
    OnSignal(ListView_User, &QTreeWidget::itemSelectionChanged,
             [this] { ListView_UserClick(ListView_User); });

    DefineGroups();
    FormCreate(this);
}

void TFM_Admin::FormCreate(QObject*) {
    Own(FirmwareRequest, ConsoleRequest, SingleRequest, LoginRequest, WlanRequest, VlanStateRequest,
        VlanLimitRequest, RangeRequest, UsedRangeRequest, LimitRequest, PingRequest);
    Guard([this] { BuildAndRead(); });

    Ed_Usr->SetMaxLength(64);
    for (TEdit* e : {Ed_OPwd, Ed_NPwd, Ed_CNP}) {
        e->SetMaxLength(12);
        e->setEchoMode(QLineEdit::Password);
    }
    for (TEdit* e : {Ed_IP1, Ed_IP2, Ed_FromIP, Ed_ToIP, Ed_TrapServIP})
        e->SetMaxLength(15);
    ShowConsoleChoice();
    CB_LimitVIDClick(CB_LimitVID);
}

void TFM_Admin::DefineGroups() {
    Groups_[LoginGroup] = {
        .BuildStep = 2,
        .Name = "Login",
        .Widgets = {},
        .Build =
            [this] {
                auto& login = MakeRequest(LoginRequest, MibRows::admUserName_to_admPassword());
                login.BindEdits(0, "%s", Ed_Usr);
                login.BindEdits(1, "%s", Ed_Pwd);
                ReadLater(login, [this](bool ok) {
                    Groups_[LoginGroup].Read = ok;
                    if (ok)
                        for (TEdit* e : {Ed_OPwd, Ed_NPwd, Ed_CNP})
                            if (!e->UserChanged())
                                e->SetText(Ed_Pwd->Text());
                });
            },
        .Write = [this](Chain& chain) { return chain.LoginWritten = Step(chain, *LoginRequest); },
        .Present = true,
    };
    Groups_[LimitGroup] = {
        .BuildStep = 6,
        .Name = "Limit Administrator IP",
        .Widgets = {},
        .Build =
            [this] {
                auto& limit = MakeRequest(LimitRequest, MibRows::limitAdminIPStatus());
                limit.BindCheckBox(0, CkBx_ManagerState);
                CkBx_ManagerStateClick(CkBx_ManagerState);
                ReadLater(limit, [this](bool ok) {
                    Groups_[LimitGroup].Read = ok;
                    ClearAddressEdits(KeepTyped::Yes);
                    CkBx_ManagerStateClick(CkBx_ManagerState);
                });
            },
        .Write = [this](Chain& chain) { return Step(chain, *LimitRequest); },
        .Present = true,
    };
    Groups_[SingleGroup] = {
        .BuildStep = 1,
        .Name = nullptr,
        .Widgets = {Ed_IP1, Ed_IP2, Label5, Label6},
        .Build =
            [this] {
                RequestOptions multiple;
                multiple.Kind = MVT_SV;
                auto& single = MakeRequest(SingleRequest, MibRows::adminIP(), multiple);
                single.BindEdits(0, "%s", Ed_IP1);
                single.BindEdits(1, "%s", Ed_IP2);
                ProbeGroup(SingleGroup, single);
            },
        .Write = [this](Chain& chain) { return !WriteSingleAddresses || Step(chain, *SingleRequest); },
    };
    Groups_[VlanLimitGroup] = {
        .BuildStep = 4,
        .Name = nullptr,
        .Widgets = {CB_LimitVID, Label10, Label11, Ed_Vid},
        .Build =
            [this] {
                // The VLAN state is what the limit's check needs.
                RequestOptions multiple;
                multiple.Kind = MVT_SV;
                auto& vlanState = MakeRequest(VlanStateRequest, MibRows::adVlanState(), multiple);
                vlanState.BindComboBox(0, CB_VLanState);
                ReadLater(vlanState);

                RequestOptions probe;
                probe.TimeOut = kProbeTimeOut;
                auto& vlanLimit = MakeRequest(VlanLimitRequest,
                                              MibRows::admManagerVLANIDStatus_to_admManagerVLANID(), probe);
                vlanLimit.BindCheckBox(0, CB_LimitVID);
                vlanLimit.BindEdits(1, "%u", Ed_Vid);
                ProbeGroup(VlanLimitGroup, vlanLimit);
            },
        .Write = [this](Chain& chain) { return Step(chain, *VlanLimitRequest); },
    };
    Groups_[TrapGroup] = {
        .BuildStep = 7,
        .Name = "SNMP",
        .Widgets = {GroupBox4},
        .Build = [this] { BuildTrap(); },
        .Write = [this](Chain& chain) { return Step(chain, *TrapRequest); },
    };
    Groups_[ConsoleGroup] = {
        .BuildStep = 0,
        .Name = "Console",
        .Widgets = {},
        .Build =
            [this] {
                auto& console = MakeRequest(ConsoleRequest, MibRows::telnet_to_ssh());
                console.BindComboBox(0, CB_Telnet);
                console.BindComboBox(1, CB_Timeout);
                console.BindComboBox(2, CB_SHH);
                Groups_[ConsoleGroup].Read = Read(console);
                KeepConsoleAsRead();
            },
        .Write =
            [this](Chain& chain) {
                if (!chain.ConsoleAsked)
                    return true;
                const bool ok = WriteConsole(ConsoleHeld::AsAsked, chain.Held);
                if (ok)
                    KeepConsoleAsRead();
                return ok;
            },
        .Present = true,
    };
    Groups_[PingGroup] = {
        .BuildStep = 8,
        .Name = nullptr,
        .Widgets = {RG_PingSet},
        .Build =
            [this] {
                auto& ping = MakeRequest(PingRequest, MibRows::ctlPingcontrol());
                ping.BindRadioGroup(0, RG_PingSet, 2);
                RG_PingSet->SetColumns(2);
                ProbeGroup(PingGroup, ping);
            },
        .Write = [this](Chain& chain) { return Step(chain, *PingRequest); },
    };
    Groups_[WlanGroup] = {
        .BuildStep = 3,
        .Name = nullptr,
        .Widgets = {Label12, CB_AdminWlan, Label13},
        .Build =
            [this] {
                RequestOptions probe;
                probe.TimeOut = kProbeTimeOut;
                auto& wlan = MakeRequest(WlanRequest, MibRows::ctlAdminApWithWlan(), probe);
                wlan.BindCheckBox(0, CB_AdminWlan);
                ProbeGroup(WlanGroup, wlan);
            },
        .Write = [this](Chain& chain) { return Step(chain, *WlanRequest); },
    };
    Groups_[RangeGroup] = {
        .BuildStep = 5,
        .Name = nullptr,
        .Widgets = {La_iprange, La_from, La_to, Ed_FromIP, Ed_ToIP, Btn_Add, Btn_Del, ListView_User},
        .Build = [this] { BuildRanges(); },
        .Write =
            [this](Chain& chain) { return ListView_IpRange->ItemIndex() < 0 || WriteRanges(chain.Outcome); },
    };
}

void TFM_Admin::ShowGroup(GroupId id, bool present) {
    Group& group = Groups_[id];
    group.Present = present;
    for (QWidget* w : group.Widgets)
        w->setVisible(present);
}

void TFM_Admin::ProbeGroup(GroupId id, NxSNMPRequest2Controls& request) {
    SupportProbe probe;
    Probed(id, Probe(probe, request));
}

void TFM_Admin::Probed(GroupId id, bool answered) {
    ShowGroup(id, answered);
    Groups_[id].Read = answered;
}

// Nothing to send is no refusal: the chain goes on.
bool TFM_Admin::Step(Chain& chain, NxSNMPRequest2Controls& request) {
    return chain.Outcome.Add(request, Write(request));
}

bool TFM_Admin::BuildAndRead() {
    auto& firmware = MakeRequest(FirmwareRequest, MibRows::hFirmVersion());
    firmware.BindEdits(0, "%s", Ed_FireWare);
    Read(firmware);
    std::array<Group*, GroupCount> order;
    for (size_t id = 0; id < GroupCount; ++id)
        order[id] = &Groups_[id];
    std::ranges::sort(order, {}, &Group::BuildStep);
    for (Group* group : order)
        group->Build();
    return true;
}

void TFM_Admin::BuildRanges() {
    RequestOptions table;
    table.TimeOut = kProbeTimeOut;
    table.Kind = MVT_UMV;
    table.Mode = NxSNMPRequest2Controls::ModeCallback;
    table.KeyCount = 1;
    auto& ranges = MakeRequest(RangeRequest, MibRows::adminIPRange(), table);
    ranges.AttachListView(ListView_IpRange, false);
    ranges.BindLabel(0, LA_Index);
    ranges.BindEdits(1, "%s", Ed_From);
    ranges.BindEdits(2, "%s", Ed_To);
    ranges.OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) { OnRangesRead(result); };
    table.TimeOut = 0;
    auto& used = MakeRequest<New_req2Edit>(UsedRangeRequest, MibRows::adminIPRange(), table);
    used.AttachListView(ListView_User, false);
    used.OnEndingGet = [this](NxSNMPRequest2Controls*, NxSNMPError* result) { OnUsedRangesRead(result); };
    ranges.LimitWalk(kMaxRanges, "IP range list");
    used.LimitWalk(kMaxRanges, "list of ranges in use");
    for (int column : {1, 2})
        ListView_User->SetColumnWidth(column, kAddressColumnWidth);
    // The probe is the first walk, and its end shows the group: a device without the table answers
    // it with no row.
    ShowGroup(RangeGroup, false);
    ReadRanges();
}

void TFM_Admin::BuildTrap() {
    ShowGroup(TrapGroup, LbsSupport() == "1" && TrapFirmware(Ed_FireWare->Text()));
    if (!Present(TrapGroup))
        return;
    Own(TrapRequest);
    auto& trap = MakeRequest(TrapRequest, MibRows::lbsTrapServerIP_to_lbsUserStaNotify());
    trap.BindEdits(0, "%s", Ed_TrapServIP);
    trap.BindCheckBox(1, CkBx_LBS);
    CkBx_LBSClick(CkBx_LBS);
    ReadLater(trap, [this](bool ok) {
        Groups_[TrapGroup].Read = ok;
        CkBx_LBSClick(CkBx_LBS);
    });
}

// The main window's copy when it has one; otherwise (no main window, or its read not answered yet)
// the device is asked here.
std::string TFM_Admin::LbsSupport() {
    if (MainForm != nullptr && !MainForm->Edt_LBSSupport->Text().empty())
        return MainForm->Edt_LBSSupport->Text();
    Own(LbsRequest);
    auto& lbs = MakeRequest(LbsRequest, MibRows::lbssupport());
    lbs.BindEdits(0, "%s", Ed_LBSSupport);
    return lbs.Get() ? Ed_LBSSupport->Text() : std::string();
}

void TFM_Admin::ClearAddressEdits(KeepTyped keep) {
    const auto clear = [keep](TEdit* e) {
        if (keep == KeepTyped::No || !e->UserChanged())
            e->SetText("");
    };
    for (TEdit* e : {Ed_IP1, Ed_IP2})
        if (e->Text() == kZeroIp)
            clear(e);
    clear(Ed_FromIP);
    clear(Ed_ToIP);
    Btn_Del->setEnabled(false);
}

void TFM_Admin::CkBx_ManagerStateClick(QObject*) {
    const bool checked = CkBx_ManagerState->Checked();
    // Hidden edits of addresses the device never answered are neither checked nor written.
    const bool single = checked && !Present(RangeGroup) && Present(SingleGroup);
    Ed_IP1->setEnabled(single);
    Ed_IP2->setEnabled(single);
    WriteSingleAddresses = single;
    const bool ranges = checked && Present(RangeGroup) && !ReadingRanges_;
    for (QWidget* w :
         {static_cast<QWidget*>(Ed_FromIP), static_cast<QWidget*>(Ed_ToIP), static_cast<QWidget*>(Btn_Add)})
        w->setEnabled(ranges);
    if (!ranges)
        Btn_Del->setEnabled(false);
}

void TFM_Admin::CkBx_LBSClick(QObject*) {
    Ed_TrapServIP->setEnabled(CkBx_LBS->Checked());
}

void TFM_Admin::CB_LimitVIDClick(QObject*) {
    Ed_Vid->setEnabled(CB_LimitVID->Checked());
}

void TFM_Admin::ShowConsoleChoice() {
    const int telnet = CB_Telnet->GetItemIndex();
    const int ssh = CB_SHH->GetItemIndex();
    if (Groups_[ConsoleGroup].Read && telnet >= 0 && ssh >= 0) {
        if (telnet > 0)
            RB_Telnet->setChecked(true);
        else if (ssh > 0)
            RB_SHH->setChecked(true);
        else
            RB_None->setChecked(true);
    }
    CB_Timeout->setEnabled(RB_Telnet->isChecked() || RB_SHH->isChecked());
}

void TFM_Admin::RB_NoneClick(QObject*) {
    const bool telnet = RB_Telnet->isChecked();
    const bool ssh = RB_SHH->isChecked();
    CB_Telnet->SetItemIndex(telnet ? 1 : 0);
    CB_SHH->SetItemIndex(ssh ? 1 : 0);
    CB_Timeout->setEnabled(telnet || ssh);
}

void TFM_Admin::ListView_UserClick(QObject*) {
    if (ListView_User->ItemIndex() < 0 || ReadingRanges_) {
        Btn_Del->setEnabled(false);
        return;
    }
    Btn_Del->setEnabled(true);
    CkBx_ManagerStateClick(CkBx_ManagerState);
}

bool TFM_Admin::IsValidUserName(const std::string& text) {
    for (char c : text) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != '@' && c != '.' && c != '_' && c != '-')
            return false;
    }
    return true;
}

void TFM_Admin::SetRangeReading(bool reading) {
    ReadingRanges_ = reading;
    OK->setEnabled(!reading);
    CkBx_ManagerStateClick(CkBx_ManagerState);
}

// The used ranges are the same table: a failed first walk leaves them unread. A failed walk says
// nothing here (a device without the table is told by its hidden group), unless it ran past the
// table's rows; an exception is shown, and the reading ends either way.
void TFM_Admin::ReadRanges() {
    SetRangeReading(true);
    UsedRangesRead_ = false;
    RangesRead_ = false;
    Guard([this] { RangeRequest->Get(); });
    if (!RangeRequest->Busy)
        EndRangeReading(false);
}

void TFM_Admin::OnRangesRead(NxSNMPError* result) {
    const bool ok = result->Code == 0;
    if (!RangeProbed_) {
        RangeProbed_ = true;
        Probed(RangeGroup, ok && ListView_IpRange->ItemCount() > 0);
    }
    if (!ok) {
        KeepWalkFailure(*RangeRequest, *result);
        EndRangeReading(false);
        return;
    }
    DropReadFailure(*RangeRequest);
    UsedRangeRequest->RowCounter = 1;
    UsedRangeRequest->KeyItem = 1;
    UsedRangeRequest->StopValue = kZeroIp;
    Guard([this] { UsedRangeRequest->Get(); });
    if (!UsedRangeRequest->Busy)
        EndRangeReading(false);
}

void TFM_Admin::OnUsedRangesRead(NxSNMPError* result) {
    if (result->Code == 0)
        DropReadFailure(*UsedRangeRequest);
    else
        KeepWalkFailure(*UsedRangeRequest, *result);
    EndRangeReading(result->Code == 0);
}

// Only the walk bound is a fault worth telling: a device without the table fails the walk too.
void TFM_Admin::KeepWalkFailure(const NxSNMPRequest2Controls& walk, const NxSNMPError& result) {
    if (result.Code != NXSNMP_WALK_TOO_LONG)
        return;
    ShowStatus(result.Message);
    KeepReadFailure(walk);
}

void TFM_Admin::EndRangeReading(bool read) {
    UsedRangesRead_ = read;
    RangesRead_ = read;
    SetRangeReading(false);
    if (!std::exchange(AddAfterReading_, false))
        return;
    if (RangesRead_)
        RunAfter([this] { Btn_AddClick(Btn_Add); }); // its boxes open outside this completion
    else if (const auto& failed = RangeRequest->Request.Result.Code != 0 ? RangeRequest->Request.Result
                                                                         : UsedRangeRequest->Request.Result;
             !failed.Message.empty())
        ShowStatus(failed.Message);
}

void TFM_Admin::OnRangeTableChanged() {
    ListView_User->ClearItems();
    ListView_IpRange->ClearItems();
    ReadRanges();
}

// One write, then one read of each list: the library's own read-back would walk the table twice.
bool TFM_Admin::WriteRanges(ApplyOutcome& outcome) {
    const bool taken = outcome.Add(*RangeRequest, Write(*RangeRequest, ReadBack::No));
    OnRangeTableChanged();
    return taken;
}

bool TFM_Admin::WriteRangesAndShow(const std::string& ok, const std::string& failed) {
    ApplyOutcome outcome;
    const bool taken = WriteRanges(outcome) && outcome.AllTaken();
    ShowStatus(outcome.Text(ok, failed));
    return taken;
}

void TFM_Admin::Btn_AddClick(QObject*) {
    if (!RangeRequest || !UsedRangeRequest || ReadingRanges_)
        return;
    // Lists a failed walk left empty are not a full table: they are read again first, and the add
    // goes on once they were.
    if (!RangesRead_) {
        AddAfterReading_ = true;
        ReadRanges();
        return;
    }
    if (ListView_User->ItemCount() >= kMaxRanges) {
        MessageBox(this, "Maximum number of IP Range List is 4!", "Waring", MB_OK);
        Ed_FromIP->SetText("");
        Ed_ToIP->SetText("");
        return;
    }
    for (TEdit* e : {Ed_FromIP, Ed_ToIP})
        if (!IsValidIPAddress(e->Text())) {
            MessageBox(this, "Please input valid IP address", "Waring", MB_OK);
            e->SetText("");
            e->setFocus();
            return;
        }
    const uint32_t from = IpTextToNumber(Ed_FromIP->Text());
    const uint32_t to = IpTextToNumber(Ed_ToIP->Text());
    const char* refusal = nullptr;
    if (from > to)
        refusal = "The IP range is not right,Please check...!";
    else if (AndDottedQuads(NetMask->Text(), Ed_ToIP->Text()) !=
             AndDottedQuads(NetMask->Text(), Ed_FromIP->Text()))
        refusal = "The Two IP address is not in the same subnet,Please check...";
    else if (Ranges_->Find([&](int row) {
                 return IpTextToNumber(Ranges_->Address(row, 0)) == from &&
                        IpTextToNumber(Ranges_->Address(row, 1)) == to;
             }) >= 0)
        refusal = "The same IP range has been added";
    else if (Ranges_->FirstFree() < 0)
        refusal = kTableFullText;
    if (refusal) {
        MessageBox(this, refusal, "Warning", MB_OK);
        Ed_FromIP->setFocus();
        return;
    }
    Ranges_->Select(Ranges_->FirstFree());
    Ed_From->SetText(Ed_FromIP->Text());
    Ed_To->SetText(Ed_ToIP->Text());
    if (WriteRangesAndShow("Set OK!", "Setting Error!")) {
        Ed_FromIP->SetText("");
        Ed_ToIP->SetText("");
    }
}

void TFM_Admin::Btn_DelClick(QObject*) {
    const int selected = ListView_User->ItemIndex();
    if (!RangeRequest || !UsedRangeRequest || ReadingRanges_ || selected < 0)
        return;
    const int row =
        Ranges_->FindAddress({ListView_User->SubItem(selected, 0), ListView_User->SubItem(selected, 1)});
    if (row < 0) {
        ShowStatus("Delete Error!");
        return;
    }
    Ranges_->Select(row);
    Ed_From->SetText(kZeroIp);
    Ed_To->SetText(kZeroIp);
    WriteRangesAndShow("Delete OK!", "Delete Error!");
}

bool TFM_Admin::WriteLimitOnly() {
    return WriteAndShow(*LimitRequest, "Set OK!", "Setting Error!");
}

bool TFM_Admin::CheckSingleAddresses() {
    if (Ed_IP1->Text().empty() && Ed_IP2->Text().empty()) {
        MessageBox(this, "You at least must input one IP address!", "Warning", MB_OK);
        Ed_IP1->setFocus();
        return false;
    }
    for (TEdit* e : {Ed_IP1, Ed_IP2})
        if (!e->Text().empty() && !IsValidIPAddress(e->Text())) {
            MessageBox(this, "Invalid IP address!", "Warning", MB_OK);
            e->setFocus();
            ClearAddressEdits();
            return false;
        }
    for (TEdit* e : {Ed_IP1, Ed_IP2})
        if (e->Text().empty())
            e->SetText(kZeroIp);
    return true;
}

bool TFM_Admin::CheckInputs() {
    auto refuse = [this](const char* text, const char* caption, QWidget* focus) {
        MessageBox(this, text, caption, MB_OK);
        if (focus)
            focus->setFocus();
        return false;
    };
    if (WriteSingleAddresses && !CheckSingleAddresses())
        return false;
    if (Present(VlanLimitGroup) && CB_LimitVID->Checked()) {
        const int vid = VlanId(Ed_Vid->Text());
        if (vid < 1 || vid > 4094) {
            Ed_Vid->SetText("");
            return refuse("The VLAN ID is invalid. The range of VLAN ID is 1 to 4094.", "Error", Ed_Vid);
        }
        if (CB_VLanState->GetItemIndex() == 0) {
            CB_LimitVID->SetChecked(false);
            return refuse("Please enable Multi-SSID and VLAN first!", "Warning", nullptr);
        }
    }
    if (Ed_OPwd->Text() != Ed_Pwd->Text())
        return refuse("Old password is wrong!Please input again", "Warning", Ed_OPwd);
    if (Ed_Usr->Text().size() > 64)
        return refuse("Please limit user name to 64 characters!", "Warning", Ed_Usr);
    if (!IsValidUserName(Ed_Usr->Text()))
        return refuse("Invaild UserName!", "Warning", Ed_Usr);
    if (Ed_NPwd->Text().size() > 12)
        return refuse("Please limit password to 12 characters!", "Warning", Ed_NPwd);
    if (Ed_NPwd->Text() != Ed_CNP->Text())
        return refuse("The Password is not match!Please enter again!", "Warning", Ed_NPwd);
    if (Present(TrapGroup) && CkBx_LBS->Checked() && !IsValidIPAddress(Ed_TrapServIP->Text()))
        return refuse("Invalid IP address!", "Warning", Ed_TrapServIP);
    return true;
}

void TFM_Admin::OKClick(QObject*) {
    if (!RequestsBuilt())
        return;
    // Nothing is written while a read is out: its group would count as unread.
    if (ReadingRanges_ || BusyNow())
        return ShowStatus(kStillReading);
    ShowReadOk(""); // an earlier OK's result is not this one's
    // An unread or unfinished list would look empty and switch the limit off.
    if (Present(RangeGroup) && UsedRangesRead_ && Groups_[LimitGroup].Read && CkBx_ManagerState->Checked() &&
        ListView_User->ItemCount() == 0) {
        MessageBox(this,
                   "The IP Range List is empty.\nThe Limit Administrator IP function will be disabled!!",
                   "Warning", MB_OK);
        CkBx_ManagerState->SetChecked(false);
        WriteLimitOnly();
        return;
    }
    // The zero put into an empty single address is for the check and the write only: however
    // OK ends, the edit is empty again, or the next OK would refuse it as an address.
    struct ZerosEmptied {
        std::initializer_list<TEdit*> edits;
        ~ZerosEmptied() {
            for (TEdit* e : edits)
                if (e->Text() == kZeroIp)
                    e->SetText("");
        }
    } emptied{{Ed_IP1, Ed_IP2}};
    if (!CheckInputs())
        return;
    WriteChain();
}

void TFM_Admin::KeepConsoleAsRead() {
    if (!Groups_[ConsoleGroup].Read)
        return;
    TelnetAsRead_ = CB_Telnet->GetItemIndex();
    TimeoutAsRead_ = CB_Timeout->GetItemIndex();
    SshAsRead_ = CB_SHH->GetItemIndex();
}

bool TFM_Admin::WriteConsole(ConsoleHeld taken, ConsoleHeld& held) {
    const NxRequestPass* pass = NxRequestPass::Find(this);
    const bool sent = pass == nullptr || !pass->Stopped();
    ConsoleRequest->MarkAsked(kConsoleTelnetRow); // the protocol rows are the form's step
    ConsoleRequest->MarkAsked(kConsoleSshRow);
    const bool ok = Write(*ConsoleRequest);
    if (ok)
        held = taken;
    else if (sent && ConsoleRequest->Request.Result.Code == SNMP_CLASS_TIMEOUT)
        held = ConsoleHeld::Unknown;
    return ok;
}

// Telnet, SSH and the timeout as read; the controls keep the user's choice for the next OK.
TFM_Admin::ConsoleHeld TFM_Admin::WriteConsoleBack() {
    const int timeout = CB_Timeout->GetItemIndex();
    CB_Telnet->SetItemIndex(TelnetAsRead_);
    CB_Timeout->SetItemIndex(TimeoutAsRead_);
    CB_SHH->SetItemIndex(SshAsRead_);
    ConsoleHeld held = ConsoleHeld::BothOff;
    if (WriteConsole(ConsoleHeld::AsBefore, held))
        KeepConsoleAsRead();
    RB_NoneClick(nullptr);
    CB_Timeout->SetItemIndex(timeout);
    return held;
}

void TFM_Admin::WriteChain() {
    // The new password becomes the present one only once the device took it.
    const std::string present = Ed_Pwd->Text();
    Ed_Pwd->SetText(Ed_NPwd->Text());
    bool ok = true;
    Chain chain;
    ApplyOutcome& outcome = chain.Outcome;
    ConsoleHeld& held = chain.Held;

    // A trap server switched off is not written; neither is the timeout of a console with neither protocol.
    std::optional<RowsLeftOut> trapServer;
    if (Present(TrapGroup) && !CkBx_LBS->Checked())
        trapServer.emplace(TrapRequest->Request.VarList, std::initializer_list<int>{0});
    std::optional<RowsLeftOut> consoleTimeout;
    if (RB_None->isChecked())
        consoleTimeout.emplace(ConsoleRequest->Request.VarList, std::initializer_list<int>{1});
    // Written only when read and a protocol is chosen (shown as read, or picked by the user), and
    // only when the choice differs from what the device holds: an unchanged console is never
    // switched off on the way.
    const bool consoleRead = Groups_[ConsoleGroup].Read;
    const bool consoleChosen = RB_None->isChecked() || RB_Telnet->isChecked() || RB_SHH->isChecked();
    const bool consoleAsRead = CB_Telnet->GetItemIndex() == TelnetAsRead_ &&
                               CB_SHH->GetItemIndex() == SshAsRead_ &&
                               (RB_None->isChecked() || CB_Timeout->GetItemIndex() == TimeoutAsRead_);
    chain.ConsoleAsked = consoleRead && consoleChosen && !consoleAsRead;
    if (chain.ConsoleAsked && !RB_None->isChecked()) {
        // A change of protocol passes through both off.
        CB_Telnet->SetItemIndex(0);
        CB_SHH->SetItemIndex(0);
        ok = WriteConsole(ConsoleHeld::BothOff, held);
        RB_NoneClick(nullptr);
    }
    if (AndDottedQuads(NetMask->Text(), Ed_ToIP->Text()) !=
        AndDottedQuads(NetMask->Text(), Ed_FromIP->Text())) {
        Ed_FromIP->SetText("");
        Ed_ToIP->SetText("");
    }

    // A group that was never read would be written back empty or off; it is named instead.
    for (const Group& group : Groups_)
        if (group.Name != nullptr && group.Present && !group.Read)
            outcome.GroupLeftOut(group.Name);
    if (consoleRead && !consoleChosen)
        outcome.GroupLeftOut("Console", true);
    for (const Group& group : Groups_)
        if (ok && group.Present && group.Read)
            ok = group.Write(chain);
    if (!chain.LoginWritten)
        Ed_Pwd->SetText(present);
    if (!ok)
        outcome.Refused();
    const std::string text = outcome.Text("Setting Success!", "Setting Error!", ApplyOutcome::TimeOut::After);
    if (outcome.AllTaken())
        return ShowReadOk(text); // a read failure still kept stays in view
    if (!outcome.AnyRefused())
        return ShowStatus(text);
    // The chain stopped: the text claims no console state the form did not see.
    if (held == ConsoleHeld::BothOff) {
        consoleTimeout.reset(); // the write-back sends the timeout as read too
        held = WriteConsoleBack();
        if (held == ConsoleHeld::AsBefore)
            return ShowStatus("Setting Error! Telnet and SSH were set back as they were.");
    }
    switch (held) {
    case ConsoleHeld::AsBefore:
    case ConsoleHeld::AsAsked:
        return ShowStatus(text);
    case ConsoleHeld::BothOff:
        return ShowStatus("Setting Error! Telnet and SSH are both off on the device.");
    case ConsoleHeld::Unknown:
        break;
    }
    ShowStatus("Setting Error! The device did not answer; Telnet and SSH on the device are unknown.");
}

void ShowAdminForm() {
    ShowModalForm<TFM_Admin>();
}
