#include "forms/network/Group.h"

#include "app/GroupingRowTables.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/Events.h"
#include "platform/Label.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "ui_Group.h"

#include <QGroupBox>
#include <QPushButton>
#include <exception>
#include <string>

namespace {

constexpr int kIndexDisable = 0;
constexpr int kIndexEnable = 1;
constexpr int kUserLimitLength = 2;
constexpr int kUserLimitMax = 64;

// Decimal digits only: the device takes the number as typed, so "$1F" or " 5" is no user limit.
bool IsUserLimit(const std::string& text) {
    if (text.empty() || text.size() > 2)
        return false;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
        value = value * 10 + (c - '0');
    }
    return value <= kUserLimitMax;
}

} // namespace

TFM_Group::TFM_Group(QWidget* owner) : QDialog(owner), ui_(std::make_unique<Ui::TFM_Group>()) {
    ui_->setupUi(this);
    GroupBox1 = ui_->GroupBox1;
    LA_LoadB = ui_->LA_LoadB;
    LA_UsrL = ui_->LA_UsrL;
    LA_LinkInt = ui_->LA_LinkInt;
    CB_LoadB = ui_->CB_LoadB;
    Ed_UsrL = ui_->Ed_UsrL;
    CB_LinkInt = ui_->CB_LinkInt;
    Bt_Apply = ui_->Bt_Apply;
    Bt_Refresh = ui_->Bt_Refresh;
    Bt_Cancel = ui_->Bt_Cancel;
    StatusBar = ui_->StatusBar;

    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());

    // Before the binding, which chains the combo box's own handler in front of its flag.
    CB_LoadB->OnChange = [this](QObject* sender) { CB_LoadBChange(sender); };
    connect(Bt_Apply, &QPushButton::clicked, this,
            [this] { GuardEvent([this] { Bt_ApplyClick(Bt_Apply); }); });
    connect(Bt_Refresh, &QPushButton::clicked, this,
            [this] { GuardEvent([this] { Bt_RefreshClick(Bt_Refresh); }); });
    connect(Bt_Cancel, &QPushButton::clicked, this,
            [this] { GuardEvent([this] { Bt_CancelClick(Bt_Cancel); }); });

    FormCreate(this);
}

TFM_Group::~TFM_Group() = default;

// A blocking read reports nothing of its own; the failure line is the form's to write.
void TFM_Group::Read() {
    if (!GroupRequest->Get())
        GroupRequest->ShowStatus(GroupRequest->Request.Result.Message);
}

void TFM_Group::FormCreate(QObject*) {
    try {
        GroupRequest = std::make_unique<NxSNMPRequest2Edits>(this);
        GroupRequest->Request.VarList = NxSNMPVarList(MibRows::adLoadBalance_to_adLinkIntegrate(), SVT_SV, 0);
        GroupRequest->Mode = NxSNMPRequest2Controls::ModeBlocking;
        GroupRequest->BindComboBox(0, CB_LoadB);
        GroupRequest->BindEdits(1, "%u", Ed_UsrL);
        GroupRequest->BindComboBox(2, CB_LinkInt);
        GroupRequest->SetStatusBar(StatusBar);
    } catch (const std::exception& e) {
        GroupRequest.reset();
        StatusBar->SetSimpleText(e.what());
    }
    // A read that raises keeps the request: "Refresh" and "Apply" may reach the device later.
    if (GroupRequest) {
        try {
            Read();
        } catch (const std::exception& e) {
            StatusBar->SetSimpleText(e.what());
        }
    }
    Ed_UsrL->SetMaxLength(kUserLimitLength);
    UpdateUserLimitState();
}

void TFM_Group::UpdateUserLimitState() {
    switch (CB_LoadB->GetItemIndex()) {
    case kIndexEnable:
        Ed_UsrL->SetReadOnly(false);
        Ed_UsrL->SetColor(clWindow);
        break;
    case kIndexDisable:
        Ed_UsrL->SetReadOnly(true);
        Ed_UsrL->SetColor(clBtnFace);
        break;
    default:
        break;
    }
}

void TFM_Group::CB_LoadBChange(QObject*) {
    UpdateUserLimitState();
}

void TFM_Group::Bt_ApplyClick(QObject*) {
    if (!IsUserLimit(Ed_UsrL->Text())) {
        MessageBox(this, "Please input a number between 0 and 64.", "Error", MB_OK);
        Ed_UsrL->SetText("");
        return;
    }
    // A request that could not be built at creation has nothing to write with.
    if (!GroupRequest)
        return;
    bool ok = false;
    try {
        ok = GroupRequest->Set(true, true);
    } catch (const std::exception&) {
        ok = false;
    }
    StatusBar->ShowResult(ok ? "Setting OK!" : "Setting Error!");
}

void TFM_Group::Bt_RefreshClick(QObject*) {
    if (GroupRequest) {
        try {
            Read();
        } catch (const std::exception& e) {
            StatusBar->ShowResult(e.what());
        }
    }
    UpdateUserLimitState();
}

void TFM_Group::Bt_CancelClick(QObject*) {
    close();
}

void ShowGroupForm() {
    auto form = std::make_unique<TFM_Group>(nullptr);
    form->exec();
}
