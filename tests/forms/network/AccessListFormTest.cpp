// The three access lists against the simulated device: the add into the first free row with its
// checks, the delete, the mode write, failures and the refused close while a read is out.
#include "app/mib/FreeRowTable.h"
#include "forms/network/Ethfilter.h"
#include "forms/network/Wipacl.h"
#include "forms/network/Wmacacl.h"
#include "library/snmp/NxSNMPSession.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QPushButton>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string E = "1.3.6.1.4.1.48113.11.37.4.";
const std::string kEthMode = E + "3.2.1.1.0";
const std::string kEthAddr = E + "3.2.1.2.1.2.";
const std::string kIpMode = E + "3.2.3.1.0";
const std::string kIpAddr = E + "3.2.3.2.1.2.";
const std::string kWMacMode = E + "3.2.2.1.1.1.1";
const std::string kWMacAddr = E + "3.2.2.2.1.2.1.";

class AccessListFormTest : public FormTestOf<TAccessListForm> {
  protected:
    template <typename Form> Form* Open() {
        auto* f = new Form();
        form.reset(f);
        EXPECT_TRUE(ShowActive(*f));
        EXPECT_TRUE(PumpUntil([&] { return f->Idle != 0; }));
        ClearSeen();
        return f;
    }
    // Clicks and waits until the form is idle again.
    void Click(QPushButton* button) {
        button->click();
        EXPECT_TRUE(PumpUntil([&] { return form->Idle != 0; }));
    }
    std::vector<std::string> SetOids() const {
        std::vector<std::string> out;
        for (const auto& line : Device->Received("SET"))
            out.push_back(line.oid);
        return out;
    }
    std::vector<std::string> Shown(TListView* view) const {
        std::vector<std::string> out;
        for (int i = 0; i < view->ItemCount(); ++i)
            out.push_back(view->ItemCaption(i) + " " + view->SubItem(i, 0));
        return out;
    }
    void Preview(const char* name) { EXPECT_TRUE(SaveFormPicture(*form, name)); }
};

TEST_F(AccessListFormTest, AddLandsInTheFirstFreeRowAndTheListIsReadAgain) {
    auto* f = Open<TFM_EthernetFilter>();
    EXPECT_EQ(Shown(f->LV_UerMACAddress), (std::vector<std::string>{"1 001A2B3C4D01", "2 001A2B3C4D02"}));
    EXPECT_EQ(f->LV_GetMAC->ItemCount(), 16);
    EXPECT_EQ(f->CB_FilterCtrl->Text(), "Accept");
    Preview("ethernet-mac-acl");

    f->Ed_MacAdd->SetText("00aa2B3C4D05");
    Click(f->Bt_Apply);
    EXPECT_EQ(SetOids(), (std::vector<std::string>{kEthMode, kEthAddr + "3"}));
    EXPECT_EQ(DeviceValue(kEthAddr + "3"), "value macaddress 00AA2B3C4D05");
    EXPECT_EQ(Shown(f->LV_UerMACAddress).back(), "3 00AA2B3C4D05");
    EXPECT_EQ(Status(), "Get OK!");
    EXPECT_EQ(Box(), "");
}

TEST_F(AccessListFormTest, BadOrDuplicateMacIsRefusedBeforeAnyRowWrite) {
    struct Case {
        const char* typed;
        const char* box;
    };
    const Case cases[] = {
        {"001a2b3c4d01", "Warning: Reject: The MAC already exists "},
        {"001A2B3C4D02", "Warning: Reject: The MAC already exists "},
        {"000000000000", "Warning: Please input a valid MAC Address."},
        {"001A2B3C4D0", "Error: The length is 12 in MAC Address."},
        {"00G12B3C4D0Z", "Warning: Please input a valid MAC Address."},
    };
    auto* f = Open<TFM_EthernetFilter>();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ClearSeen();
        f->Ed_MacAdd->SetText(c.typed);
        Click(f->Bt_Apply);
        EXPECT_EQ(Box(), c.box);
        EXPECT_EQ(SetOids(), (std::vector<std::string>{kEthMode}));
    }
}

TEST_F(AccessListFormTest, DisableWritesOnlyTheModeAndAFullTableIsRefused) {
    auto* f = Open<TFM_EthernetFilter>();
    Pick(f->CB_FilterCtrl, 0);
    EXPECT_FALSE(f->Ed_MacAdd->isEnabled());
    f->Ed_MacAdd->SetText("001A2B3C4D09");
    Click(f->Bt_Apply);
    EXPECT_EQ(SetOids(), (std::vector<std::string>{kEthMode}));
    EXPECT_EQ(DeviceValue(kEthMode), "value integer 0");
    EXPECT_EQ(Status(), "Set OK!");

    form.reset();
    for (int row = 3; row <= 16; ++row)
        Device->Sim().Command("set " + kEthAddr + std::to_string(row) +
                              " 02:00:00:00:00:" + (row < 10 ? "0" : "") + std::to_string(row));
    f = Open<TFM_EthernetFilter>();
    EXPECT_EQ(f->LV_UerMACAddress->ItemCount(), 16);
    Pick(f->CB_FilterCtrl, 2);
    f->Ed_MacAdd->SetText("001A2B3C4D09");
    Click(f->Bt_Apply);
    EXPECT_EQ(Box(), std::string("Warning: ") + kTableFullText);
    EXPECT_EQ(SetOids(), (std::vector<std::string>{kEthMode}));
}

TEST_F(AccessListFormTest, DeleteWritesZerosAndTheRowsBelowMoveUp) {
    auto* f = Open<TFM_EthernetFilter>();
    Click(f->Bt_Del); // nothing selected: nothing written
    EXPECT_TRUE(SetOids().empty());

    f->LV_UerMACAddress->SetItemIndex(0);
    Click(f->Bt_Del);
    EXPECT_EQ(SetOids(), (std::vector<std::string>{kEthAddr + "1"}));
    EXPECT_EQ(DeviceValue(kEthAddr + "1"), "value macaddress 000000000000");
    EXPECT_EQ(Shown(f->LV_UerMACAddress), (std::vector<std::string>{"1 001A2B3C4D02"}));
}

TEST_F(AccessListFormTest, IpListRefusesTheZeroAddressAndExactDuplicates) {
    auto* f = Open<TFM_WIPACL>();
    EXPECT_EQ(Shown(f->LV_UerIPAddress), (std::vector<std::string>{"1 192.168.1.50", "2 10.0.0.7"}));
    Preview("wireless-ip-acl");
    Pick(f->CB_FilterCtrl, 1);
    for (const char* typed : {"0.0.0.0", "192.168.1.255"}) {
        Device->Messages().Boxes.clear();
        f->Ed_IPAdd->SetText(typed);
        Click(f->Bt_Apply);
        EXPECT_EQ(Box(), "Warning: Please input valid IP Address.") << typed;
    }
    // Texts whose octets are not decimal digits would be sent as another address.
    for (const char* typed : {"$A.0.0.11", "0x0A.0.0.9", " 10.0.0.8"}) {
        Device->Messages().Boxes.clear();
        f->Ed_IPAdd->SetText(typed);
        Click(f->Bt_Apply);
        EXPECT_EQ(Box(), "Warning: Please input valid IP Address.") << typed;
    }
    // The same address written another way is a duplicate too.
    for (const char* typed : {"10.0.0.7", "10.0.0.07", "010.0.00.7"}) {
        Device->Messages().Boxes.clear();
        f->Ed_IPAdd->SetText(typed);
        Click(f->Bt_Apply);
        EXPECT_EQ(Box(), "Warning: Reject: The IP already exists ") << typed;
    }
    EXPECT_EQ(SetOids(), std::vector<std::string>(8, kIpMode));

    Device->Sim().ClearLog();
    f->Ed_IPAdd->SetText("10.0.0.8");
    Click(f->Bt_Apply);
    EXPECT_EQ(SetOids(), (std::vector<std::string>{kIpMode, kIpAddr + "3"}));
    EXPECT_EQ(DeviceValue(kIpAddr + "3"), "value ipaddress 10.0.0.8");
}

TEST_F(AccessListFormTest, WirelessListServesTheFirstBandOnly) {
    auto* f = Open<TFM_WMACACL>();
    Preview("wireless-mac-acl");
    EXPECT_FALSE(f->CB_Band->isEnabled());
    EXPECT_EQ(f->CB_FilterCtrl->Text(), "Reject");
    EXPECT_EQ(Shown(f->LV_UerMACAddress), (std::vector<std::string>{"1 001A2B3C4D11", "2 001A2B3C4D12"}));
    f->Ed_MacAdd->SetText("001A2B3C4D13");
    Click(f->Bt_Apply);
    EXPECT_EQ(SetOids(), (std::vector<std::string>{kWMacMode, kWMacAddr + "3"}));
    EXPECT_FALSE(f->CB_Band->isEnabled());
}

// A refused row write is a failure under every version, and the form is usable again.
class AccessListRefusedWriteTest : public AccessListFormTest, public ::testing::WithParamInterface<int> {};

TEST_P(AccessListRefusedWriteTest, RefusedRowWriteIsShownAsAFailure) {
    DefaultSNMPSecurity.Version = GetParam();
    auto* f = Open<TFM_EthernetFilter>();
    Device->Sim().Command("fail " + kEthAddr + "3 noAccess");
    f->Ed_MacAdd->SetText("001A2B3C4D07");
    Click(f->Bt_Apply);
    EXPECT_EQ(SetOids(), (std::vector<std::string>{kEthMode, kEthAddr + "3"}));
    EXPECT_EQ(Status().rfind("(SNMP) ", 0), 0u) << Status();
    EXPECT_TRUE(f->Bt_Apply->isEnabled());
    EXPECT_TRUE(f->Bt_Del->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(Versions, AccessListRefusedWriteTest, ::testing::Values(0, 1));

TEST_F(AccessListFormTest, CloseIsRefusedWhileTheListIsRead) {
    Device->Sim().Command("delay 400");
    auto* f = new TFM_EthernetFilter();
    form.reset(f);
    ASSERT_TRUE(ShowActive(*f));
    ASSERT_EQ(f->Idle, 0);
    EXPECT_FALSE(f->close());
    EXPECT_TRUE(f->isVisible());
    Device->Sim().Command("delay 0");
    ASSERT_TRUE(PumpUntil([&] { return f->Idle != 0; }, 60000));
    EXPECT_TRUE(f->close());
}

class AccessListFailedModeTest : public AccessListFormTest {
  protected:
    DevSimOptions Options() override { return DeviceArgs({"--fail", kEthMode + "=genErr"}); }
};

TEST_F(AccessListFailedModeTest, UnreadModeIsShownAndNeverWritten) {
    auto* f = Open<TFM_EthernetFilter>();
    EXPECT_EQ(f->CB_FilterCtrl->GetItemIndex(), -1);
    EXPECT_EQ(Status().rfind("(SNMP) ", 0), 0u) << Status();
    f->Ed_MacAdd->SetText("001A2B3C4D07");
    Click(f->Bt_Apply);
    EXPECT_TRUE(SetOids().empty());
    EXPECT_EQ(Status(), "The access mode was not read; nothing was written.");
}

// A list not read offers no add, and "The list is full" comes only from a list that is; a mode
// not read (or not among the options) offers no add until the user picks one; a mode that the
// user writes after its read failed, or a later delete, takes the read's failure off the status bar.
TEST_F(AccessListFormTest, ListOrModeNotReadAtOpening) {
    struct Case {
        const char* What;
        std::string Refused; // or "=value" for a mode no option shows
        int PickedMode;      // -1: left as shown
        bool Delete;         // the first used row deleted in place of Apply
        std::vector<std::string> Sets;
        std::string Status;
    };
    const Case cases[] = {
        {"list refused", kEthAddr + "1", -1, false, {kEthMode}, "The list was not read; nothing was added."},
        {"mode refused, then written", kEthMode, 1, false, {kEthMode, kEthAddr + "3"}, "Get OK!"},
        {"mode refused, then a delete", kEthMode, -1, true, {kEthAddr + "1"}, "Get OK!"},
        {"mode refused, Apply",
         kEthMode,
         -1,
         false,
         {},
         "The access mode was not read; nothing was written."},
        {"mode not among the options",
         "=7",
         -1,
         false,
         {},
         "The access mode the device holds cannot be shown; nothing was written."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        const bool unshown = c.Refused[0] == '=';
        Device->Sim().Command(unshown ? "set " + kEthMode + " " + c.Refused.substr(1)
                                      : "fail " + c.Refused + " genErr");
        auto* f = Open<TFM_EthernetFilter>();
        if (!unshown) {
            EXPECT_EQ(Status().rfind("(SNMP) ", 0), 0u) << Status();
        }
        Device->Sim().Command(unshown ? "set " + kEthMode + " 1" : "unfail " + c.Refused);
        EXPECT_FALSE(f->Ed_MacAdd->isEnabled());
        if (c.PickedMode >= 0)
            Pick(f->CB_FilterCtrl, c.PickedMode);
        EXPECT_EQ(f->Ed_MacAdd->isEnabled(), c.PickedMode > 0 && c.Refused != kEthAddr + "1");
        f->Ed_MacAdd->SetText("001A2B3C4D09");
        if (c.Delete)
            f->LV_UerMACAddress->SetItemIndex(0);
        Click(c.Delete ? f->Bt_Del : f->Bt_Apply);
        EXPECT_EQ(Box(), "");
        EXPECT_EQ(SetOids(), c.Sets);
        EXPECT_EQ(Status(), c.Status);
        form.reset();
        Device->Sim().Command("set " + kEthAddr + "3 000000000000");
        Device->Sim().Command("set " + kEthAddr + "1 001A2B3C4D01");
    }
}

} // namespace
