// The wireless settings form against the simulated single-band device: what it reads and shows,
// the security and mode rules, the site survey, the checks and what Apply sends.
#include "app/forms/ModelCode.h"
#include "app/forms/WepKeyRules.h"
#include "forms/wireless/Wirless.h"
#include "library/common/HexText.h"
#include "library/snmp/New_req2Edit.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QAbstractItemModel>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QPoint>
#include <QPushButton>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string E = "1.3.6.1.4.1.48113.11.37.4";
const std::string kChannel = E + ".2.1.1.1.3.1";
const std::string kChannelList = E + ".2.1.1.1.4.1";
const std::string kApMode = E + ".2.1.1.1.7.1";
const std::string kAuth = E + ".2.1.1.1.8.1";
const std::string kEncryption = E + ".2.1.1.1.9.1";
const std::string kValidKey = E + ".2.1.1.1.10.1";
const std::string kKeyType = E + ".2.1.1.1.11.1";
const std::string kPassPhrase = E + ".2.1.1.1.12.1";
const std::string kCipher = E + ".2.1.1.1.13.1";
const std::string kMssidState = E + ".3.4.2.1.1.1";
const std::string kDataRateStatus = E + ".3.5.1.1.2.1";

class WirlessFormTest : public FormTestOf<TFM_Wirless> {
  protected:
    void Open() {
        form.reset();
        Device->Sim().ClearLog();
        form = std::make_unique<TFM_Wirless>();
        ASSERT_TRUE(ShowActive(*form));
        ASSERT_TRUE(PumpUntil([this] { return form->NoScanPending && !form->SiteTableReq[0]->Busy; }));
        EXPECT_TRUE(Sent("SET").empty()) << "an opening writes nothing";
        ClearSeen();
    }
    void Set(const std::string& oid, const std::string& value) {
        Device->Sim().Command("set " + oid + " " + value);
    }
    std::vector<std::string> Sent(const char* pdu) const { return FormTest::Sent(pdu, E + "."); }
    void Choose(TComboBox* combo, const std::string& text) {
        combo->setCurrentText(QString::fromStdString(text));
        combo->OnChange(combo);
    }
    WirlessBand& B() { return form->Band[0]; }
};

TEST(WepKeyText, ConvertsBothWaysAndKnowsMaskedKeys) {
    EXPECT_EQ(AsciiToHexText("abc"), "616263");
    EXPECT_EQ(AsciiToHexText(""), "");
    EXPECT_EQ(HexTextToAscii("616"), "a"); // the unpaired digit is dropped
    EXPECT_EQ(HexTextToAscii("4G"), "@");  // a non-digit counts 0
    EXPECT_EQ(HexTextToAscii("6a6A"), "jj");
    EXPECT_TRUE(IsMaskedKey("*****"));
    EXPECT_FALSE(IsMaskedKey("**a**"));
    EXPECT_EQ(RequiredKeyLength(0, 2), 16);
    EXPECT_EQ(RequiredKeyLength(1, 1), 26);
}

TEST_F(WirlessFormTest, ShowsTheFirstBandAndTheGroupOfEachAuthenticationKind) {
    Open();
    EXPECT_EQ(B().SSID->Text(), "KTX-AP");
    EXPECT_EQ(B().Chan->Text(), "6");
    EXPECT_EQ(B().Chan->ItemCount(), 11);
    EXPECT_EQ(B().AuthTemp->ItemCount(), 10);
    EXPECT_FALSE(form->PC_Wirless->isTabVisible(1));
    for (const std::string& get : Sent("GET"))
        EXPECT_EQ(get.find(".2", get.size() - 2), std::string::npos) << get; // no second-band object
    EXPECT_TRUE(SaveFormPicture(*form, "wireless-access-point"));

    struct Case {
        const char* kind;
        bool key, radius, secondary, psk, dot1x;
    };
    for (const Case& c : {Case{"Open System", 1, 0, 0, 0, 0}, Case{"WPA2-Enterprise", 0, 1, 1, 0, 0},
                          Case{"WPA-Personal", 0, 0, 0, 1, 0}, Case{"802.1x", 0, 0, 1, 0, 1}}) {
        Choose(B().AuthTemp, c.kind);
        EXPECT_EQ(B().GbKey->isVisible(), c.key) << c.kind;
        EXPECT_EQ(B().GbRadius->isVisible(), c.radius) << c.kind;
        EXPECT_EQ(B().GbSecRadius->isVisible(), c.secondary) << c.kind;
        EXPECT_EQ(B().GbPsk->isVisible(), c.psk) << c.kind;
        EXPECT_EQ(B().Gb8021x->isVisible(), c.dot1x) << c.kind;
    }
    Choose(B().AuthTemp, "Shared Key");
    EXPECT_EQ(B().Encryp->Text(), "Enable");
    EXPECT_FALSE(B().Encryp->isEnabled());
    Choose(B().AuthTemp, "Open System");
    EXPECT_TRUE(B().Encryp->isEnabled());
}

TEST_F(WirlessFormTest, WdsModesOfferSixKindsAesOnlyEditableSlotsAndWarn) {
    Set(kMssidState, "1");
    Set(kDataRateStatus, "1");
    Set(kAuth, "6"); // WPA2-Enterprise
    Open();
    Choose(B().ApMode, "WDS");
    EXPECT_EQ(B().AuthTemp->ItemCount(), 6);
    EXPECT_EQ(B().AuthTemp->Text(), "Open System");
    EXPECT_EQ(B().CipherPsk->ItemCount(), 1);
    EXPECT_EQ(B().CipherPsk->Text(), "AES");
    EXPECT_FALSE(B().WdsMac[0]->ReadOnly());
    EXPECT_TRUE(B().GbSite->isVisible());
    EXPECT_EQ(B().GbWds->title().toStdString(), " WDS without AP ");
    const auto& boxes = Device->Messages().Boxes;
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].Text, "If you select \"WDS\" mode,IEEE802.11g MSSID will be disabled!");
    EXPECT_EQ(boxes[1].Text, "If you select \"WDS with AP\" or\"WDS\"  mode,The data rate will be disabled!");
    EXPECT_EQ(boxes[1].Caption, "Warning");
    Choose(B().ApMode, "Access Point");
    EXPECT_TRUE(B().WdsMac[0]->ReadOnly());
    EXPECT_EQ(B().AuthTemp->ItemCount(), 10);
}

TEST_F(WirlessFormTest, KeysFollowTheValidKeyTheKeyTypeAndTheAdditionalSsids) {
    Set(kEncryption, "1");
    Set(kValidKey, "3");
    Set(kKeyType, "1"); // ASCII
    Open();
    EXPECT_EQ(B().Key[0]->Text(), "abcde");
    for (int k = 0; k < 4; ++k)
        EXPECT_EQ(B().Key[k]->ReadOnly(), k != 2) << k;
    EXPECT_EQ(B().Key[2]->MaxLength(), 5);
    Choose(B().KeyType, "HEX"); // keys kept, now read as hex
    EXPECT_EQ(B().Key[0]->Text(), "abcde");
    EXPECT_EQ(B().Key[0]->MaxLength(), 10);
    EXPECT_TRUE(B().KeysHoldHex);
    Choose(B().KeyType, "ASCII");
    EXPECT_EQ(B().Key[0]->Text(), "");
    EXPECT_FALSE(B().KeysHoldHex);

    // An enabled additional SSID with Shared Key leaves the primary SSID keys 1 and 4.
    Set(kMssidState, "1");
    Set(E + ".3.4.3.1.2.1.3", "1");
    Set(E + ".3.4.3.1.4.1.3", "2");
    Set(E + ".3.4.3.1.5.1.3", "1");
    Set(kValidKey, "4");
    form->Bt_Refresh->click();
    ASSERT_TRUE(PumpUntil([this] { return B().ValKey->ItemCount() == 2; }));
    EXPECT_EQ(B().ValKey->Text(), "Fourth");
    EXPECT_EQ(B().X.ValKey->ItemCount(), 2);
    // Read again into the two-item list: the device's fourth key stays chosen and is written as such.
    form->Bt_Refresh->click();
    ASSERT_TRUE(PumpUntil([this] { return !form->MssidStateReq->Busy; }));
    EXPECT_EQ(B().ValKey->Text(), "Fourth");
    EXPECT_EQ(B().ValKey->ItemCount(), 2);
    B().Key[3]->SetText("abcde");
    Device->Sim().ClearLog();
    form->Bt_Apply->click();
    EXPECT_EQ(Status(), "Setting Success!") << Box();
    EXPECT_EQ(Device->Sim().Command("get " + kValidKey), "value integer 4\n");
}

// A key the device returns masked is shown as it came and never written back over the real one.
TEST_F(WirlessFormTest, AMaskedKeyIsNeitherConvertedNorWritten) {
    Set(kEncryption, "1");
    Set(kKeyType, "1");
    Set(E + ".2.1.3.1.2.1.1", "*****");
    Open();
    EXPECT_EQ(B().Key[0]->Text(), "*****");
    form->Bt_Apply->click();
    EXPECT_EQ(Status(), "Setting Success!");
    // The site list that the refresh after Apply reads again must not speak over the result.
    ASSERT_TRUE(PumpUntil([this] { return !form->SiteTableReq[0]->Busy; }));
    EXPECT_EQ(Status(), "Setting Success!");
    for (const std::string& set : Sent("SET"))
        EXPECT_EQ(set.rfind("2.1.3.1.2", 0), std::string::npos) << set;
    EXPECT_EQ(Device->Sim().Command("get " + E + ".2.1.3.1.2.1.1"), "value displaystr *****\n");
}

TEST_F(WirlessFormTest, ScanListsWdsPeersHoldsTheFormAndFillsTheFirstEmptySlot) {
    Set(kApMode, "2");
    Open();
    B().Scan->click();
    EXPECT_EQ(Status(), "Detect...");
    EXPECT_FALSE(form->Bt_Close->isEnabled());
    form->close();
    EXPECT_TRUE(form->isVisible()); // a pending scan holds the form
    ASSERT_TRUE(PumpUntil([this] { return Status() == "Get OK!"; }));
    EXPECT_TRUE(form->Bt_Close->isEnabled());
    ASSERT_EQ(B().Sites->ItemCount(), 2); // the peer without WDS is left out
    EXPECT_EQ(B().Sites->SubItem(1, 3), "00116B100003");
    EXPECT_EQ(Sent("SET"), std::vector<std::string>{"2.1.7.1.1.1.1=1"});

    B().WdsMac[0]->SetText("00116b0000aa");
    B().Sites->SetItemIndex(1);
    form->LV_SiteInfoClick(B());
    EXPECT_EQ(B().WdsMac[1]->Text(), "00116B100003");
    form->LV_SiteInfoClick(B());
    EXPECT_EQ(Box(), "Warning: The same MAC address has been added!");
    EXPECT_EQ(B().WdsMac[2]->Text(), "");
    EXPECT_TRUE(SaveFormPicture(*form, "wireless-wds-site-survey"));
}

TEST_F(WirlessFormTest, AFailedScanTriggerGivesTheButtonsBack) {
    Set(kApMode, "2");
    Open();
    Device->Sim().Command("fail " + E + ".2.1.7.1.1.1.1 genErr");
    B().Scan->click();
    ASSERT_TRUE(PumpUntil([this] { return form->NoScanPending; }));
    EXPECT_TRUE(form->Bt_Apply->isEnabled());
    EXPECT_NE(Status(), "Detect...");
}

TEST_F(WirlessFormTest, GroupsWhoseProbeFailedAreNeverReadAgain) {
    DevSimOptions options;
    Device = std::make_unique<SimulatedDeviceSession>(DevSimOptions{
        "", {}, -1, {"--omit", E + ".2.1.8", "--omit", E + ".2.1.1.1.21", "--omit", E + ".2.1.1.1.17"}});
    Open();
    EXPECT_FALSE(form->BakRadiusSupported);
    EXPECT_FALSE(B().AccountingSupported);
    EXPECT_FALSE(B().BakAccountingSupported);
    // What would be typed there is never written: those controls take no input.
    Choose(B().AuthTemp, "802.1x");
    for (QWidget* control : std::initializer_list<QWidget*>{
             B().RadiusMode, B().SecRadiusServer, B().SecRadiusPort, B().SecRadiusSecret, B().SecAccountMode,
             B().SecAccountServer, B().SecAccountPort, B().X.AccountMode, B().X.AccountServer,
             B().X.AccountPort})
        EXPECT_FALSE(control->isEnabled()) << control->objectName().toStdString();
    form->Bt_Refresh->click();
    EXPECT_FALSE(B().SecRadiusServer->isEnabled());
    EXPECT_FALSE(B().SecAccountServer->isEnabled());
    for (const std::string& get : Sent("GET"))
        for (const char* left : {"2.1.8.", "2.1.1.1.21.", "2.1.1.1.17."})
            EXPECT_NE(get.rfind(left, 0), 0u) << get;
    EXPECT_FALSE(Sent("GET").empty());
}

// Each failing check shows its own text and sends nothing.
TEST_F(WirlessFormTest, EachCheckGivesItsTextAndSendsNothing) {
    Open();
    struct Case {
        std::function<void(WirlessBand&)> setup;
        std::string box;
    };
    const std::vector<Case> cases = {
        {[](WirlessBand& b) { b.SSID->SetText(std::string(33, 'x')); },
         "Error: The Max Length of SSID is 32 in 11g!"},
        {[](WirlessBand& b) { b.SSID->SetText(" x"); }, "Error: The first character can't be blank."},
        {[](WirlessBand& b) { b.SSID->SetText(""); }, "Warning: Please Input SSID in 11g"},
        {[](WirlessBand& b) {
             b.WdsMac[2]->SetText("00116b000001");
             b.WdsMac[5]->SetText("00116B000001");
         },
         "Warning: Exist same MAC address in 802.11g."},
        {[this](WirlessBand& b) {
             Choose(b.ApMode, "WDS with AP");
             b.WdsMac[0]->SetText("00116B");
         },
         "Error: The length is 12 in IEEE802.11g MAC address."},
        {[this](WirlessBand& b) {
             Choose(b.AuthTemp, "WPA-Personal");
             b.PassPhrase->SetText("1234567");
         },
         "Error: The length of 802.11g PassPhrase is between 8 and 63."},
        {[this](WirlessBand& b) {
             Choose(b.AuthTemp, "WPA-Enterprise");
             b.GroupKey->SetText("3600");
             b.RadiusServer->SetText("127.0.0.1");
         },
         "Error: The Radius server's IP is illegal."},
        {[this](WirlessBand& b) {
             Choose(b.AuthTemp, "WPA-Personal");
             b.PassPhrase->SetText(std::string(64, 'p'));
         },
         "Error: The length of 802.11g PassPhrase is between 8 and 63."},
        {[this](WirlessBand& b) {
             Choose(b.AuthTemp, "WPA-Personal");
             b.PassPhrase->SetText("12345678");
             b.GroupKeyPsk->SetText("");
         },
         "Error: Please input a number between 300 and 18000."},
        {[this](WirlessBand& b) {
             Choose(b.AuthTemp, "WPA-Enterprise");
             b.GroupKey->SetText("3600");
             b.RadiusServer->SetText("192.168.1.10");
             b.RadiusPort->SetText("");
         },
         "Error: Please input a number between 1 and 65535."},
        {[this](WirlessBand& b) {
             Choose(b.AuthTemp, "Open System");
             Choose(b.Encryp, "Enable");
             b.Key[0]->SetText("12345678G0");
         },
         ": Please input  Hexadecimal digits!"},
        {[this](WirlessBand& b) {
             Choose(b.AuthTemp, "Open System");
             Choose(b.Encryp, "Enable");
             Choose(b.KeySize, "128 Bits");
             b.Key[0]->SetText(std::string(25, 'a'));
         },
         "Warning: The Length of the 1st key in IEEE802.11g must be 26!"},
    };
    for (const Case& c : cases) {
        form->Bt_Refresh->click();
        ClearSeen();
        c.setup(B());
        form->Bt_Apply->click();
        EXPECT_EQ(Box(), c.box);
        EXPECT_TRUE(Sent("SET").empty()) << c.box;
    }
}

TEST_F(WirlessFormTest, ApplySendsTheRowsOfTheKindInOrderWithHexKeysAndZeroSlots) {
    Set(kEncryption, "1");
    Set(kKeyType, "1");
    Open();
    B().Key[0]->SetText("vwxyz");
    Choose(B().ApMode, "WDS with AP");
    B().WdsMac[0]->SetText("00116B100001");
    form->Bt_Apply->click();
    EXPECT_EQ(Status(), "Setting Success!");
    std::vector<std::string> sets;
    for (const std::string& set : Sent("SET"))
        for (const char* part : {"2.1.1.1.", "2.1.3.", "2.1.2.1.2.1.1=", "2.1.2.1.2.1.2=", "3.1.1.9."})
            if (set.rfind(part, 0) == 0)
                sets.push_back(set);
    const std::vector<std::string> expected = {
        "2.1.1.1.1.1=KTX-AP",
        "2.1.1.1.2.1=1",
        "2.1.1.1.3.1=6",
        "2.1.1.1.7.1=2",
        "2.1.1.1.8.1=1",
        "2.1.1.1.9.1=1",
        "2.1.1.1.10.1=1",
        "2.1.1.1.11.1=1",
        "2.1.1.1.16.1=0",
        "2.1.1.1.21.1=0.0.0.0", // backup accounting comes next
        "2.1.1.1.22.1=1813",
        "2.1.1.1.23.1=0",
        "2.1.3.1.2.1.1=767778797a",
        "2.1.2.1.2.1.1=" + std::string("\x00\x11\x6B\x10\x00\x01", 6),
        "2.1.2.1.2.1.2=" + std::string(6, '\0'),
        "3.1.1.9.1=1", // RTS length on the change from Access Point
    };
    EXPECT_EQ(sets, expected);
    EXPECT_EQ(Device->Sim().Command("get " + E + ".2.1.3.1.2.1.1"), "value displaystr 767778797a\n");

    // Between the two WDS modes no RTS length is written.
    Device->Sim().ClearLog();
    Choose(B().ApMode, "WDS");
    form->Bt_Apply->click();
    for (const std::string& set : Sent("SET"))
        EXPECT_EQ(set.rfind("3.1.1.9", 0), std::string::npos) << set;
}

TEST_F(WirlessFormTest, AFailedWriteSaysSettingErrorWhileTheOthersAreStillSent) {
    Open();
    Device->Sim().Command("fail " + E + ".2.1.1.1.1.1 genErr"); // the SSID
    form->Bt_Apply->click();
    EXPECT_EQ(Status(), "Setting error!");
    bool wirelessSent = false, laterSent = false, wdsSent = false;
    for (const std::string& set : Sent("SET")) {
        wirelessSent |= set.rfind("2.1.1.1.1.1=", 0) == 0;
        laterSent |= set.rfind("2.1.8.0=", 0) == 0; // the backup RADIUS server, written after
        wdsSent |= set.rfind("2.1.2.1.2.1.1=", 0) == 0;
    }
    EXPECT_TRUE(wirelessSent);
    EXPECT_TRUE(laterSent);
    EXPECT_FALSE(wdsSent); // Access Point mode writes no WDS slot
}

// The wireless-table columns and RADIUS rows each kind writes, in order.
TEST_F(WirlessFormTest, EachKindWritesItsMarkedRowsInOrder) {
    struct Case {
        const char* kind;
        std::function<void(WirlessBand&)> fill;
        std::vector<std::string> rows;
    };
    const std::vector<Case> cases = {
        {"Open System", [](WirlessBand&) {}, {"1", "2", "3", "7", "8", "9", "10", "11", "16"}},
        {"WPA-Personal",
         [](WirlessBand& b) { b.PassPhrase->SetText("12345678"); },
         {"1", "2", "3", "7", "8", "9", "12", "13", "14", "16"}},
        {"WPA-Enterprise",
         [](WirlessBand& b) {
             b.GroupKey->SetText("3600");
             b.RadiusServer->SetText("192.168.1.10");
         },
         {"1", "2", "3", "7", "8", "9", "13", "14", "16", "17", "18", "19", "radius", "radius", "radius"}},
        {"802.1x",
         [](WirlessBand& b) { b.X.RadiusServer->SetText("192.168.1.11"); },
         // encryption stays on from the Enterprise kind: static keys write the valid key and key type
         {"1", "2", "3", "7", "8", "9", "10", "11", "13", "15", "16", "17", "18", "19", "radius", "radius",
          "radius"}},
    };
    Open();
    for (const Case& c : cases) {
        Choose(B().AuthTemp, c.kind);
        c.fill(B());
        Device->Sim().ClearLog();
        form->Bt_Apply->click();
        EXPECT_EQ(Status(), "Setting Success!") << c.kind << " " << Box();
        std::vector<std::string> rows;
        for (const std::string& set : Sent("SET")) {
            if (set.rfind("2.1.1.1.", 0) == 0 && set.find(".1=") != std::string::npos &&
                std::stoi(set.substr(8)) <= 19)
                rows.push_back(set.substr(8, set.find('.', 8) - 8));
            if (set.rfind("2.1.4.0=", 0) == 0 || set.rfind("2.1.5.0=", 0) == 0 ||
                set.rfind("2.1.6.0=", 0) == 0)
                rows.push_back("radius");
        }
        EXPECT_EQ(rows, c.rows) << c.kind;
    }
    EXPECT_EQ(Device->Sim().Command("get " + E + ".2.1.4.0"), "value displaystr 192.168.1.11\n");
}

// A primary SSID leaving WPA-Enterprise takes the additional SSIDs that use it to no security.
TEST_F(WirlessFormTest, AdditionalEnterpriseSsidsAreOpenedFirstAndWarned) {
    Set(kAuth, "4"); // WPA-Enterprise
    Set(kMssidState, "1");
    Set(E + ".3.4.3.1.2.1.3", "1");
    Set(E + ".3.4.3.1.4.1.3", "4");
    Set(E + ".3.4.3.1.5.1.3", "1");
    Open();
    ASSERT_TRUE(PumpUntil([this] { return B().MssidStateRead == 1; }));
    Choose(B().AuthTemp, "WPA-Personal");
    B().PassPhrase->SetText("12345678");
    form->Bt_Apply->click();
    const std::vector<std::string> sets = Sent("SET");
    ASSERT_GE(sets.size(), 2u);
    EXPECT_EQ(sets[0], "3.4.3.1.5.1.3=0");
    EXPECT_EQ(sets[1], "3.4.3.1.4.1.3=1");
    ASSERT_FALSE(Device->Messages().Boxes.empty());
    EXPECT_EQ(Device->Messages().Boxes[0].Text, "To change authentication type of Primary SSID will change "
                                                "WPA-Enterprise of Secondary SSID to non security.");
    EXPECT_EQ(Status(), "Setting Success!");

    Set(kAuth, "4");
    Set(E + ".3.4.3.1.4.1.3", "4");
    Set(E + ".3.4.3.1.5.1.3", "1");
    form->Bt_Refresh->click();
    Device->Sim().Command("fail " + E + ".3.4.3.1.4.1.3 genErr");
    Choose(B().AuthTemp, "WPA-Personal");
    Device->Sim().ClearLog();
    form->Bt_Apply->click();
    EXPECT_EQ(Status(), "Multi-SSID Encrypt set error");
    for (const std::string& set : Sent("SET"))
        EXPECT_EQ(set.rfind("2.1.1.1.", 0), std::string::npos) << set;
}

// Boundaries that pass: nothing is shown and the write goes out.
TEST_F(WirlessFormTest, LimitValuesPass) {
    Open();
    struct Case {
        std::string passPhrase, groupKey;
    };
    for (const Case& c : {Case{"12345678", "300"}, Case{std::string(63, 'p'), "18000"}}) {
        Choose(B().AuthTemp, "WPA2-Personal");
        B().PassPhrase->SetText(c.passPhrase);
        B().GroupKeyPsk->SetText(c.groupKey);
        B().SSID->SetText(std::string(32, 's'));
        Device->Messages().Boxes.clear();
        form->Bt_Apply->click();
        EXPECT_EQ(Box(), "") << c.groupKey;
        EXPECT_EQ(Status(), "Setting Success!") << c.groupKey;
    }
    EXPECT_EQ(Device->Sim().Command("get " + E + ".2.1.1.1.14.1"), "value integer 18000\n");
}

// Copies between the groups: the 802.1x RADIUS server reaches the Radius group on leaving the
// edit, accounting off disables the secondary accounting, the auto scan greys the channel.
TEST_F(WirlessFormTest, CopiesAndSwitchesKeepTheGroupsInStep) {
    Set(E + ".2.1.1.1.17.1", "1");
    Set(E + ".2.1.1.1.23.1", "1");
    Set(E + ".2.1.1.1.3.1", "14"); // not in the list: no channel shows
    Set(E + ".2.1.1.1.13.1", "2"); // cipher AES
    Open();
    EXPECT_EQ(B().Chan->GetItemIndex(), -1);
    B().AutoScan->click();
    EXPECT_FALSE(B().Chan->isEnabled());

    Choose(B().AuthTemp, "WPA-Enterprise");
    EXPECT_EQ(B().GroupKey->Text(), "3600"); // the device's interval and cipher, not the layout's
    EXPECT_EQ(B().CipherRadius->Text(), "AES");
    Choose(B().AuthTemp, "802.1x");
    B().X.RadiusServer->SetText("10.0.0.9");
    B().X.RadiusServer->OnExit(B().X.RadiusServer);
    EXPECT_EQ(B().RadiusServer->Text(), "10.0.0.9");
    B().X.AccountServer->SetText("10.0.0.8");
    EXPECT_EQ(B().AccountServer->Text(), "10.0.0.8");

    EXPECT_TRUE(B().SecAccountServer->isEnabled());
    Choose(B().AccountMode, "Disable");
    EXPECT_FALSE(B().SecAccountServer->isEnabled());
    EXPECT_FALSE(B().SecAccountMode->isEnabled());
    EXPECT_EQ(B().X.AccountMode->Text(), "Disable");
}

// A refresh clicked while a refresh is still reading (its blocking reads process messages) is not
// started inside it.
TEST_F(WirlessFormTest, RefreshDoesNotStartInsideARunningRefresh) {
    Open();
    Set(E + ".2.1.1.1.1.1", "Renamed");
    bool clicked = false;
    QObject::connect(B().SSID, &QLineEdit::textChanged, form.get(), [this, &clicked] {
        if (!clicked) {
            clicked = true;
            form->Bt_Refresh->click();
        }
    });
    form->Bt_Refresh->click();
    ASSERT_TRUE(clicked);
    int ssidReads = 0;
    for (const std::string& get : Sent("GET"))
        ssidReads += get == "2.1.1.1.1.1";
    EXPECT_EQ(ssidReads, 1);
}

// Answers still owed: the form hides at once and the close waits for them out of sight.
TEST_F(WirlessFormTest, CloseWithAnswersOwedHidesFirst) {
    Open();
    Device->Sim().Command("delay 300");
    form->MssidStateReq->Get(); // asynchronous, as every refresh sends it
    bool visible = true;
    QTimer::singleShot(100, form.get(), [&] { visible = form->isVisible(); });
    form->close();
    EXPECT_FALSE(visible);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(form->WirelessReq); // the requests went with the close
}

// Esc or the window manager's close given while the site list of a WDS device
// fills is taken once that row's completion has returned: the close never frees the request
// whose answer is being shown.
TEST_F(WirlessFormTest, CloseGivenWhileTheSiteListFillsWaitsForTheRowsCompletion) {
    Set(kApMode, "2");
    for (const char* row : {"1", "2", "3"}) { // WDS peers an earlier scan found
        Set(E + ".2.1.7.2.1.1.1." + row, row);
        Set(E + ".2.1.7.2.1.5.1." + row, std::string("00116B10000") + row);
        Set(E + ".2.1.7.2.1.9.1." + row, "1");
    }
    const std::function<void(TFM_Wirless&)> gives[] = {
        [](TFM_Wirless& f) {
            QCoreApplication::postEvent(&f, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
        },
        [](TFM_Wirless& f) { QCoreApplication::postEvent(f.windowHandle(), new QCloseEvent()); }};
    for (const auto& give : gives) {
        form = std::make_unique<TFM_Wirless>();
        ASSERT_TRUE(ShowActive(*form));
        bool given = false;
        QObject::connect(B().Sites->model(), &QAbstractItemModel::rowsInserted, form.get(),
                         [&] { given = given || (give(*form), true); });
        ASSERT_TRUE(PumpUntil([&] { return given && !form->isVisible(); }));
        form.reset();
    }
}

// Scan waits for the site walk that the opening, a Refresh or an Apply started: a second walk on
// the same request would list every peer twice.
TEST_F(WirlessFormTest, ScanWaitsForTheRunningSiteWalk) {
    Set(kApMode, "2");
    Open();
    B().Scan->click(); // the device's site table fills with a scan
    ASSERT_TRUE(PumpUntil([this] { return Status() == "Get OK!"; }));
    ASSERT_EQ(B().Sites->ItemCount(), 2);
    struct Case {
        const char* start;
        std::function<void()> begin;
    };
    const std::vector<Case> cases = {
        {"refresh", [this] { form->Bt_Refresh->click(); }},
        {"apply",
         [this] {
             B().WdsMac[0]->SetText("00116B100001");
             form->Bt_Apply->click();
         }},
        {"opening",
         [this] {
             form.reset();
             form = std::make_unique<TFM_Wirless>();
             form->show();
         }},
    };
    for (const Case& c : cases) {
        Device->Sim().Command("delay 100");
        c.begin();
        ASSERT_TRUE(form->SiteTableReq[0]->Busy) << c.start;
        EXPECT_FALSE(B().Scan->isEnabled()) << c.start;
        Device->Sim().ClearLog();
        form->SiteScanClick(B()); // as a click that got through
        ASSERT_TRUE(PumpUntil([this] { return !form->SiteTableReq[0]->Busy; }, 10000)) << c.start;
        Device->Sim().Command("delay 0");
        EXPECT_TRUE(Sent("SET").empty()) << c.start;
        EXPECT_TRUE(B().Scan->isEnabled()) << c.start;
        EXPECT_EQ(B().Sites->ItemCount(), 2) << c.start;
    }
}

// The device sends its keys as hex text: after each read their length gives the key size, also
// when the keys were shown as characters before.
TEST_F(WirlessFormTest, KeySizeFollowsTheKeyTheDeviceHoldsAfterRefresh) {
    const std::string key3 = E + ".2.1.3.1.2.1.3";
    Set(kEncryption, "1");
    Set(kValidKey, "3");
    Set(kKeyType, "1"); // ASCII
    Set(key3, "6162636465666768696a6b6c6d");
    Open();
    EXPECT_EQ(B().KeySize->Text(), "128 Bits");
    EXPECT_EQ(B().Key[2]->Text(), "abcdefghijklm");
    Set(key3, "3132333435");
    form->Bt_Refresh->click();
    EXPECT_EQ(B().KeySize->Text(), "64 Bits");
    EXPECT_EQ(B().Key[2]->Text(), "12345");
    // A refused key read leaves the characters shown; they are not converted a second time.
    Device->Sim().Command("fail " + E + ".2.1.3.1.2 genErr");
    form->Bt_Refresh->click();
    EXPECT_EQ(B().Key[2]->Text(), "12345");
    EXPECT_EQ(B().KeySize->Text(), "64 Bits");
    Device->Sim().Command("unfail " + E + ".2.1.3.1.2");
    Device->Sim().ClearLog();
    form->Bt_Apply->click();
    EXPECT_EQ(Box(), "");
    EXPECT_EQ(Status(), "Setting Success!");
    EXPECT_EQ(Device->Sim().Command("get " + key3), "value displaystr 3132333435\n");
}

// Both writes to the additional SSIDs go out; a refusal of either stops Apply with its text.
TEST_F(WirlessFormTest, BothAdditionalSsidWritesAreSentAndEitherRefusalStopsApply) {
    for (const char* refused : {"3.4.3.1.5.1.3", "3.4.3.1.4.1.3"}) {
        Set(kAuth, "4"); // WPA-Enterprise
        Set(kMssidState, "1");
        Set(E + ".3.4.3.1.2.1.3", "1");
        Set(E + ".3.4.3.1.4.1.3", "4");
        Set(E + ".3.4.3.1.5.1.3", "1");
        Open();
        Device->Sim().Command("fail " + E + "." + refused + " genErr");
        Choose(B().AuthTemp, "WPA-Personal");
        B().PassPhrase->SetText("12345678");
        form->Bt_Apply->click();
        EXPECT_EQ(Sent("SET"), (std::vector<std::string>{"3.4.3.1.5.1.3=0", "3.4.3.1.4.1.3=1"})) << refused;
        EXPECT_EQ(Status(), "Multi-SSID Encrypt set error") << refused;
        Device->Sim().Command("unfail " + E + "." + refused);
    }
}

// A band on a WDS link runs without additional SSIDs: Apply writes its multi-SSID state "Disable"
// and judges that write like the others; "Access Point" leaves the state alone.
TEST_F(WirlessFormTest, WdsApplyWritesTheMultiSsidStateOff) {
    struct Case {
        const char* mode;
        bool refused;
        bool written;
        const char* status;
    };
    for (const Case& c :
         {Case{"3", false, true, "Setting Success!"}, Case{"1", false, false, "Setting Success!"},
          Case{"3", true, true, "Setting error!"}}) {
        Set(kApMode, c.mode);
        // WPA2-Enterprise is no WDS kind: written as Open System
        Set(kAuth, c.mode == std::string("3") ? "6" : "1");
        Set(kMssidState, "1");
        Open();
        if (c.refused)
            Device->Sim().Command("fail " + kMssidState + " genErr");
        B().WdsMac[0]->SetText("00116B100001");
        form->Bt_Apply->click();
        const std::vector<std::string> sets = Sent("SET");
        const bool stateSent = std::count(sets.begin(), sets.end(), "3.4.2.1.1.1=0") == 1;
        EXPECT_EQ(stateSent, c.written) << c.mode;
        if (c.mode == std::string("3")) {
            EXPECT_EQ(std::count(sets.begin(), sets.end(), "2.1.1.1.8.1=1"), 1) << c.mode;
        }
        ASSERT_TRUE(PumpUntil([this] { return !form->SiteTableReq[0]->Busy && !form->MssidStateReq->Busy; }));
        EXPECT_EQ(Status(), c.status) << c.mode << c.refused;
        if (c.refused) {
            Device->Sim().Command("unfail " + kMssidState);
        } else {
            EXPECT_EQ(Device->Sim().Command("get " + kMssidState),
                      c.written ? "value integer 0\n" : "value integer 1\n");
        }
    }
}

// The primary SSID's band word follows the model as the other checks do; a model that is neither
// radio shows no text, and the check still stops Apply.
TEST_F(WirlessFormTest, PrimarySsidSameAsAnAdditionalOneNamesTheModelsBand) {
    struct Case {
        const char* model;
        const char* box;
    };
    for (const Case& c :
         {Case{"", "Warning: The 11g Primary SSID's SSID is same as Multi-SSID 1"}, Case{"KTX-1234AP", ""}}) {
        SetModelNameForTests(c.model);
        Set(kMssidState, "1");
        Set(E + ".3.4.3.1.2.1.2", "1");
        Set(E + ".3.4.3.1.3.1.2", "KTX-AP");
        Open();
        ASSERT_TRUE(PumpUntil([this] { return B().MssidStateRead == 1; }));
        form->Bt_Apply->click();
        EXPECT_EQ(Box(), c.box) << c.model;
        EXPECT_TRUE(Sent("SET").empty()) << c.model;
        form.reset();
    }
    SetModelNameForTests("");
}

// After a successful Apply, a re-read the device refused is what shows.
TEST_F(WirlessFormTest, AFailedRereadAfterASuccessfulApplyIsShown) {
    Open();
    Device->Sim().Command("fail " + E + ".2.1.1.1.4.1 genErr"); // the channel list, read only
    form->Bt_Apply->click();
    for (const std::string& set : Sent("SET"))
        EXPECT_EQ(set.rfind("2.1.1.1.4.1=", 0), std::string::npos) << set;
    ASSERT_TRUE(PumpUntil([this] { return !form->SiteTableReq[0]->Busy; }));
    EXPECT_NE(Status(), "Setting Success!");
    EXPECT_NE(Status(), "");
}

TEST_F(WirlessFormTest, ButtonsSitFortyPixelsBelowTheLowestGroup) {
    for (const char* mode : {"1", "2"}) {
        Set(kApMode, mode);
        Open();
        int lowest = 0;
        for (QGroupBox* group : B().Page->findChildren<QGroupBox*>())
            if (group->isVisible())
                lowest = std::max(lowest, group->mapTo(form.get(), QPoint(0, group->height())).y());
        EXPECT_EQ(form->Bt_Apply->y() - lowest, 40) << mode;
    }
}

// Each group the device refused while the form opened, then answers again: Apply writes nothing
// of it and claims no success (the unread fields mostly fail their checks first).
TEST_F(WirlessFormTest, AGroupNotReadAtOpeningIsNotWritten) {
    struct Case {
        std::string refused; // under E
        std::vector<std::pair<std::string, std::string>> device;
    };
    const std::vector<Case> cases = {
        {"2.1.3.1.2", {{kEncryption, "1"}}}, // WEP keys, encryption on
        {"2.1.2.1.2", {{kApMode, "2"}}},     // WDS peers on a WDS link
        {"2.1.1.1", {}},                     // the wireless table
        {"2.1.4", {{kAuth, "4"}}},           // RADIUS server of WPA-Enterprise
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - &cases[0]);
        for (const auto& [oid, value] : c.device)
            Set(oid, value);
        Device->Sim().Command("fail " + E + "." + c.refused + " genErr");
        Open();
        EXPECT_NE(Status(), "Get OK!") << c.refused; // the site list's text does not hide the failure
        Device->Sim().Command("unfail " + E + "." + c.refused);
        form->Bt_Apply->click();
        ASSERT_TRUE(PumpUntil([this] { return !form->SiteTableReq[0]->Busy && !form->MssidStateReq->Busy; }));
        for (const std::string& set : Sent("SET"))
            EXPECT_NE(set.rfind(c.refused + ".", 0), 0u) << c.refused << " wrote " << set;
        EXPECT_NE(Status(), "Setting Success!") << c.refused;
        form.reset();
        for (const auto& [oid, value] : c.device)
            Set(oid, oid == kApMode || oid == kAuth ? "1" : "0");
    }
}

// An authentication the list lacks shows no choice; Apply leaves it as the device holds it and
// says so, and the user's own choice is written.
TEST_F(WirlessFormTest, AnAuthenticationTheListLacksIsNotReplaced) {
    Set(kAuth, "11");
    Open();
    EXPECT_EQ(B().Auth->GetItemIndex(), -1);
    form->Bt_Apply->click();
    for (const std::string& set : Sent("SET"))
        EXPECT_NE(set.rfind("2.1.1.1.8.1=", 0), 0u) << set;
    EXPECT_EQ(Device->Sim().Command("get " + kAuth), "value integer 11\n");
    EXPECT_EQ(Status(), TSettingsForm::kPartlyWrittenUnshown);

    Choose(B().AuthTemp, "Shared Key");
    Device->Sim().ClearLog();
    B().Key[0]->SetText("0123456789");
    form->Bt_Apply->click();
    EXPECT_EQ(Device->Sim().Command("get " + kAuth), "value integer 2\n") << Box();
}

// A channel the device holds that the list lacks shows no choice and is kept; the user's choice is
// written.
TEST_F(WirlessFormTest, AChannelTheListLacksIsKept) {
    Set(kChannelList, "\"1 6 11\"");
    Set(kChannel, "3");
    Open();
    EXPECT_EQ(B().Chan->GetItemIndex(), -1);
    EXPECT_EQ(B().Chan->ItemCount(), 3);
    form->Bt_Apply->click();
    EXPECT_EQ(Device->Sim().Command("get " + kChannel), "value integer 3\n") << Box();
    EXPECT_EQ(Status(), TSettingsForm::kPartlyWrittenUnshown);

    B().Chan->setCurrentText("6");
    form->Bt_Apply->click();
    EXPECT_EQ(Device->Sim().Command("get " + kChannel), "value integer 6\n") << Box();
}

// What the form could not read or show decides nothing (an untouched Apply leaves the device as it
// was, also with an AP mode the list lacks or refused); what the user typed or picked is written.
TEST_F(WirlessFormTest, UnknownValuesDecideNothingAndTheUsersChoicesAreWritten) {
    struct Case {
        std::vector<std::pair<std::string, std::string>> device;
        std::string refused; // under E, while the form opens
        std::function<void()> act;
        std::function<void()> check;
    };
    const std::string kDot1xType = E + ".2.1.1.1.15.1", kRts = "3.1.1.9.1=";
    auto sent = [this](const std::string& start) {
        const auto sets = Sent("SET");
        return std::any_of(sets.begin(), sets.end(),
                           [&](const std::string& s) { return s.rfind(start, 0) == 0; });
    };
    decltype(Device->Values(E)) before;
    const std::string kNotRead = " was not read: it could not be checked. Nothing was written.";
    auto untouched = [&](bool success, const std::string& box = {}) {
        EXPECT_EQ(Device->Values(E), before);
        EXPECT_EQ(Status() == "Setting Success!", success) << Status();
        EXPECT_TRUE(box.empty() || Box() == box) << Box();
    };
    const std::vector<Case> cases = {
        {{{kMssidState, "1"}, {kApMode, "1"}}, "", [] {}, [&] { untouched(true); }},
        {{{kMssidState, "1"}, {kApMode, "9"}}, "", [] {}, [&] { untouched(false); }},
        {{{kMssidState, "1"}, {kApMode, "1"}}, "2.1.1.1.7.1", [] {}, [&] { untouched(false); }},
        // WPA-Personal with TKIP: no cipher of the list takes its place
        {{{kApMode, "9"}, {kAuth, "5"}, {kEncryption, "1"}, {kCipher, "3"}, {kPassPhrase, "passphrase"}},
         "",
         [] {},
         [&] {
             untouched(false);
             EXPECT_EQ(Status(), TSettingsForm::kPartlyWrittenUnshown);
         }},
        // Checks that need what was not read name it instead of blaming the user.
        {{{kAuth, "4"}}, "2.1.4", [] {}, [&] { untouched(false, "Error: The Radius server" + kNotRead); }},
        {{{kEncryption, "1"}},
         "2.1.3.1.2",
         [] {},
         [&] { untouched(false, "Warning: The 1st key" + kNotRead); }},
        {{},
         "2.1.1.1",
         [this] {
             Type(B().SSID, "KTX-AP");
             Choose(B().ApMode, "Access Point");
         },
         [&] {
             EXPECT_FALSE(sent(kRts));
             EXPECT_EQ(Status(), TSettingsForm::kPartlyWritten);
         }},
        {{{kAuth, "10"}, {kEncryption, "1"}, {kDot1xType, "5"}, {E + ".2.1.4.0", "192.168.1.10"}},
         "",
         [] {},
         [&] { EXPECT_FALSE(sent("2.1.1.1.10.1=")) << Box(); }},
        {{{kApMode, "9"}, {kAuth, "4"}},
         "",
         [] {},
         [&] {
             EXPECT_EQ(Box(), "");
             EXPECT_EQ(B().AuthTemp->GetItemIndex(), -1);
             EXPECT_FALSE(sent("2.1.1.1.8.1=")); // a kind not shown is not written back
             untouched(false);
         }},
        {{{kEncryption, "1"}, {kKeyType, "2"}},
         "",
         [this] {
             Choose(B().KeySize, "152 Bits");
             Type(B().Key[0], std::string(32, 'a'));
             Choose(B().ValKey, "Third");
         },
         [&] {
             EXPECT_EQ(B().KeySize->Text(), "152 Bits");
             EXPECT_EQ(B().Key[0]->Text(), std::string(32, 'a'));
             EXPECT_EQ(Box(), "Warning: The Length of the 3rd key in IEEE802.11g must be 32!");
             EXPECT_TRUE(Sent("SET").empty());
         }},
        {{{kApMode, "2"}},
         "2.1.2.1.2",
         [this] {
             B().Scan->click();
             ASSERT_TRUE(PumpUntil([this] { return form->NoScanPending && !form->SiteTableReq[0]->Busy; }));
             B().Sites->SetItemIndex(1);
             form->LV_SiteInfoClick(B());
         },
         [&] { EXPECT_TRUE(sent("2.1.2.1.2.1.1=" + std::string("\x00\x11\x6B\x10\x00\x03", 6))); }},
        {{},
         "",
         [this] { Device->Sim().Command("drop 2"); },
         [this] { EXPECT_NE(Status().find("timed out"), std::string::npos) << Status(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - &cases[0]);
        for (const auto& [oid, value] : c.device)
            Set(oid, value);
        if (!c.refused.empty())
            Device->Sim().Command("fail " + E + "." + c.refused + " genErr");
        Open();
        if (!c.refused.empty())
            Device->Sim().Command("unfail " + E + "." + c.refused);
        c.act();
        ClearSeen();
        before = Device->Values(E);
        form->Bt_Apply->click();
        ASSERT_TRUE(PumpUntil([this] { return !form->SiteTableReq[0]->Busy && !form->MssidStateReq->Busy; }));
        c.check();
        form.reset();
        Device.reset(); // its box recorder first
        Device = std::make_unique<SimulatedDeviceSession>();
    }
}

} // namespace
