// The multi-SSID form against the simulated single-band device, with and without the priority
// objects: which table columns a save or delete sends, its checks and texts, the list, and the
// pending state of the background table read and write.
#include "forms/network/Multi.h"
#include "forms/network/MultiSsidRows.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/StatusBar.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QGroupBox>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

const std::string kTable = "1.3.6.1.4.1.48113.11.37.4.3.4.3.1.";
const std::string kMssidState = "1.3.6.1.4.1.48113.11.37.4.3.4.2.1.1.1";
const std::string kVlanState = "1.3.6.1.4.1.48113.11.37.4.3.4.1.1.1.1";
const std::string kPriorityState = "1.3.6.1.4.1.48113.11.37.4.3.4.4";

std::string Cell(int column, int index) {
    return kTable + std::to_string(column) + ".1." + std::to_string(index);
}

class MultiFormTest : public FormTestOf<TFM_MultiForm> {
  protected:
    DevSimOptions Options() override {
        DevSimOptions options;
        if (!WithPriority())
            options.extraArgs = {"--without", "priority"};
        return options;
    }
    virtual bool WithPriority() const { return false; }

    void Open() {
        Device->Sim().Command("set " + kMssidState + " 1");
        form.reset();
        Device->Sim().ClearLog();
        form = std::make_unique<TFM_MultiForm>();
        ASSERT_TRUE(PumpUntil([&] { return form->Idle(); }, 30000));
        EXPECT_TRUE(Device->Received("SET").empty()) << "an opening writes nothing";
        Device->Sim().ClearLog();
    }
    void Edit(int index) {
        form->MSSIDIdxCombo->SetItemIndex(index);
        form->MSSIDIdxComboChange(form->MSSIDIdxCombo);
    }
    void ChooseSecurity(const std::string& text) {
        TComboBox* shown =
            form->SecurityComboTmp->isVisibleTo(form.get()) ? form->SecurityComboTmp : form->SecurityCombo;
        shown->SetItemIndex(shown->findText(QString::fromStdString(text)));
        if (shown == form->SecurityComboTmp)
            form->SecurityComboTmpChange(shown);
        else
            form->SecurityComboChange(shown);
    }
    void Save() {
        Apply(form->SaveButton);
        ASSERT_TRUE(PumpUntil([&] { return form->Idle(); }, 30000));
    }
    // OIDs (and values) of the table SETs.
    std::vector<std::string> TableSets(bool values = false) const {
        std::vector<std::string> out;
        for (const auto& line : Device->Received("SET"))
            if (line.oid.rfind(kTable, 0) == 0)
                out.push_back(line.oid.substr(kTable.size()) + (values ? "=" + line.value : ""));
        return out;
    }
    bool Walked() const { return !Device->Received("GETNEXT").empty(); }
    std::string LastBox() const {
        return Device->Messages().Boxes.empty() ? "" : Device->Messages().Boxes.back().Text;
    }
};

TEST_F(MultiFormTest, WpaPersonalSaveSendsItsColumnsOnceThenReadsTheTable) {
    Open();
    EXPECT_FALSE(form->CB_EnablePriority->isVisibleTo(form.get()));
    EXPECT_FALSE(form->CB_DyVlan->isVisibleTo(form.get()));
    EXPECT_FALSE(form->CB_WMM->isVisibleTo(form.get()));
    Edit(2);
    Type(form->SSIDEdit, "guest");
    ChooseSecurity("WPA-Personal");
    ASSERT_TRUE(form->Grp_PSKSet->isVisibleTo(form.get()));
    Type(form->Ed_PassPhrase, "sesame-open");
    Save();
    EXPECT_EQ(TableSets(),
              (std::vector<std::string>{"2.1.3", "3.1.3", "4.1.3", "5.1.3", "9.1.3", "10.1.3", "12.1.3"}));
    for (const auto& line : Device->Received("SET"))
        EXPECT_NE(line.oid.rfind(kPriorityState, 0), 0u) << "no priority write without the probe";
    std::set<std::string> pdus;
    for (const auto& line : Device->Received("SET"))
        if (line.oid.rfind(kTable, 0) == 0)
            pdus.insert(std::to_string(line.pduNumber));
    EXPECT_EQ(pdus.size(), 1u);
    EXPECT_TRUE(Walked());
    EXPECT_EQ(Status(), "Multi-SSID set success!");
    EXPECT_EQ(Device->Sim().Command("get " + Cell(10, 3)), "value displaystr sesame-open\n");
    EXPECT_EQ(form->GroupBox1->isEnabled(), true);
    EXPECT_TRUE(SaveFormPicture(*form, "multi-ssid"));
}

TEST_F(MultiFormTest, RefusedChecksSendNoTableAndLeaveTheColumnsForTheNextSave) {
    Open();
    Edit(1);
    Type(form->SSIDEdit, "");
    Save();
    EXPECT_EQ(LastBox(), "Please input SSID!");
    EXPECT_TRUE(TableSets().empty());

    Type(form->SSIDEdit, "KTX-AP");
    Save();
    EXPECT_EQ(LastBox(), "The 11g Multi-SSID 1's SSID is same as Primary SSID");
    EXPECT_TRUE(TableSets().empty());

    Type(form->SSIDEdit, "lobby");
    Save();
    EXPECT_EQ(TableSets(), (std::vector<std::string>{"2.1.2", "3.1.2", "4.1.2", "5.1.2", "12.1.2"}));
}

TEST_F(MultiFormTest, KeysGoOutAsHexOnlyWhenTyped) {
    // Multi-SSID 1 holds the ASCII key "12345" as hex digits.
    for (const std::string& set :
         {"set " + Cell(2, 2) + " 1", "set " + Cell(3, 2) + " wep-ssid", "set " + Cell(5, 2) + " 1",
          "set " + Cell(7, 2) + " 3132333435", "set " + Cell(11, 2) + " 1"})
        Device->Sim().Command(set);
    Open();
    Edit(1);
    EXPECT_EQ(form->KeyValEdit->Text(), "12345");
    Save();
    EXPECT_EQ(TableSets(), (std::vector<std::string>{"2.1.2", "3.1.2", "4.1.2", "5.1.2", "6.1.2", "12.1.2"}));

    form->SizeCombo->SetItemIndex(1);
    form->KeyIdxComboChange(form->SizeCombo);
    EXPECT_EQ(form->KeyValEdit->MaxLength(), 13);
    Type(form->KeyValEdit, "abcdefghijklm");
    Save();
    const auto sets = TableSets(true);
    EXPECT_NE(std::find(sets.begin(), sets.end(), "7.1.2=6162636465666768696a6b6c6d"), sets.end());
    EXPECT_NE(std::find(sets.begin(), sets.end(), "11.1.2=1"), sets.end());

    Type(form->KeyValEdit, "abc");
    Save();
    EXPECT_EQ(LastBox(), "The Length of key value must be 13!");
    EXPECT_TRUE(TableSets().empty());
}

TEST_F(MultiFormTest, ListShowsEnabledRowsWithTheirEncryptionAndVlan) {
    for (const std::string& set :
         {"set " + Cell(2, 2) + " 1", "set " + Cell(3, 2) + " wep-ssid", "set " + Cell(5, 2) + " 1",
          "set " + Cell(2, 4) + " 1", "set " + Cell(3, 4) + " wpa-ssid", "set " + Cell(4, 4) + " 7",
          "set " + Cell(5, 4) + " 1", "set " + Cell(8, 4) + " 42", "set " + kVlanState + " 1"})
        Device->Sim().Command(set);
    Open();
    TListView* list = form->MulSSIDListView;
    ASSERT_EQ(list->ItemCount(), 3); // Multi-SSID 2 is off
    const std::vector<std::vector<std::string>> rows = {
        {"Primary", "KTX-AP", "OFF", "1", "11g"},
        {"Multi-SSID1", "wep-ssid", "WEP", "1", "11g"},
        {"Multi-SSID3", "wpa-ssid", "WPA2-Personal", "42", "11g"}};
    for (int item = 0; item < 3; ++item) {
        EXPECT_EQ(list->ItemCaption(item), rows[size_t(item)][0]);
        for (int sub = 0; sub < 4; ++sub)
            EXPECT_EQ(list->SubItem(item, sub), rows[size_t(item)][size_t(sub) + 1]) << item << "," << sub;
    }
    form->CHK_VLanState->SetChecked(false);
    EXPECT_EQ(list->SubItem(2, 2), "OFF");
}

TEST_F(MultiFormTest, DeleteSwitchesOffTheListedRowOnlyAndNeverThePrimary) {
    Device->Sim().Command("set " + Cell(2, 2) + " 1");
    Open();
    TListView* list = form->MulSSIDListView;
    list->SetItemIndex(0);
    EXPECT_FALSE(form->DelButton->isEnabled());
    form->DelButtonClick(form->DelButton);
    EXPECT_TRUE(Device->Received("SET").empty());

    list->SetItemIndex(1); // Multi-SSID1
    EXPECT_TRUE(form->DelButton->isEnabled());
    Edit(3); // the editors move on; the list's choice stays
    Device->Sim().ClearLog();
    form->DelButton->click();
    ASSERT_TRUE(PumpUntil([&] { return form->Idle(); }, 30000));
    EXPECT_EQ(TableSets(true), (std::vector<std::string>{"2.1.2=0"}));
    EXPECT_EQ(list->ItemCount(), 1);
}

TEST_F(MultiFormTest, WhilePendingCloseSaveAndDeleteAreRefused) {
    Device->Sim().Command("set " + Cell(2, 2) + " 1");
    Open();
    form->show();
    form->MulSSIDListView->SetItemIndex(1);
    Type(form->SSIDEdit, "lobby");
    Device->Sim().Command("delay 300");
    form->SaveButton->click();
    ASSERT_FALSE(form->Idle());
    EXPECT_FALSE(form->SaveButton->isEnabled());
    EXPECT_FALSE(form->DelButton->isEnabled());
    form->close();
    EXPECT_TRUE(form->isVisible());
    form->SaveButtonClick(form->SaveButton);
    form->DelButtonClick(form->DelButton);
    ASSERT_TRUE(PumpUntil([&] { return form->Idle(); }, 60000));
    EXPECT_EQ(TableSets().size(), 5u); // the first click's row only
    Device->Sim().Command("delay 0");
    form->close();
    EXPECT_FALSE(form->isVisible());
}

TEST_F(MultiFormTest, RefusedWritesAreReported) {
    Open();
    Edit(1);
    Type(form->SSIDEdit, "lobby");
    Device->Sim().Command("fail " + kTable + "3 genErr");
    Save();
    EXPECT_EQ(Status().rfind("Multi-SSID set:", 0), 0u) << Status();
    EXPECT_GT(Status().size(), std::string("Multi-SSID set:").size());
    EXPECT_FALSE(Walked());

    Device->Sim().Command("unfail " + kTable + "3");
    Device->Sim().Command("fail " + kMssidState + " genErr");
    Save();
    EXPECT_FALSE(TableSets().empty());
    EXPECT_EQ(Status().rfind("Multi-SSID set:", 0), 0u) << Status();
}

TEST_F(MultiFormTest, ARefusedSwitchIsShownWhenACheckThenStopsTheSave) {
    Open();
    Edit(1);
    Type(form->SSIDEdit, "");
    Device->Sim().Command("fail " + kMssidState + " genErr");
    Save();
    EXPECT_EQ(LastBox(), "Please input SSID!");
    EXPECT_TRUE(TableSets().empty());
    EXPECT_EQ(Status().rfind("Multi-SSID set:", 0), 0u) << Status();
    EXPECT_GT(Status().size(), std::string("Multi-SSID set:").size());

    // The switches taken, a check failing: the earlier failure gives way, no success is claimed.
    Device->Sim().Command("unfail " + kMssidState);
    Save();
    EXPECT_EQ(LastBox(), "Please input SSID!");
    EXPECT_EQ(Status(), "Multi-SSID and VLAN states set; the SSID was not saved.");
}

TEST_F(MultiFormTest, AccountingEditsAreNeverOfferedForEditing) {
    Open();
    for (int index : {0, 1}) {
        Edit(index);
        for (const char* security : {"WPA-Enterprise", "WPA2-Enterprise", "WPA-Personal"}) {
            if (index != 0)
                ChooseSecurity(security);
            for (TEdit* edit : {form->Ed_AccountServer, form->Ed_AccountPort, form->Ed_AccountServer_802,
                                form->Ed_AccountPort_802})
                EXPECT_FALSE(edit->isEnabled())
                    << index << " " << security << " " << edit->objectName().toStdString();
        }
    }
    // What the edits of the RADIUS group show is not what the accounting write sends.
    Edit(1);
    ChooseSecurity("WPA-Enterprise");
    EXPECT_TRUE(form->Ed_EAPRadiusServ->isEnabled());
}

TEST_F(MultiFormTest, KeyChecksApplyOnlyToKindsThatUseTheKey) {
    Open();
    Edit(1);
    Type(form->SSIDEdit, "lobby");
    ChooseSecurity("None");
    ASSERT_EQ(form->KeyValEdit->Text(), "");
    Save();
    EXPECT_EQ(LastBox(), "");
    EXPECT_EQ(TableSets(), (std::vector<std::string>{"2.1.2", "3.1.2", "4.1.2", "5.1.2", "12.1.2"}));
    for (const char* security : {"WPA-Personal", "WPA2-Personal"}) {
        ChooseSecurity(security);
        Type(form->Ed_PassPhrase, "sesame-open");
        Save();
        EXPECT_EQ(LastBox(), "") << security;
        for (const std::string& set : TableSets())
            EXPECT_NE(set.rfind("7.", 0), 0u) << security;
    }
}

TEST_F(MultiFormTest, ARefusedHexKeyLeavesTheEditEmpty) {
    Open();
    Edit(1);
    Type(form->SSIDEdit, "lobby");
    ChooseSecurity("Open System");
    form->TypeCombo->SetItemIndex(1); // HEX
    form->TypeComboChange(form->TypeCombo);
    Type(form->KeyValEdit, "0123456789ABCDEFGHIJKLMNOP");
    form->SizeCombo->SetItemIndex(1); // 128 bits: 26 digits
    form->KeyIdxComboChange(form->SizeCombo);
    Type(form->KeyValEdit, "0123456789ABCDEFGHIJKLMNOP");
    Save();
    EXPECT_EQ(LastBox(), "Please input  Hexadecimal digits!");
    EXPECT_EQ(form->KeyValEdit->Text(), "");
    EXPECT_TRUE(TableSets().empty());
}

TEST_F(MultiFormTest, ASaveThroughARowTheListLacksWritesNothing) {
    struct Case {
        const char* name;
        std::vector<std::string> failed; // refused while the form opens
        std::string box = "", status = "The SSID list was not read completely. Please open the form again.";
    };
    std::vector<std::string> afterPrimary, afterRow6;
    for (int column = 1; column <= 13; ++column) {
        afterPrimary.push_back(kTable + std::to_string(column) + ".1.2");
        afterRow6.push_back(kTable + std::to_string(column) + ".1.7");
    }
    const Case cases[] = {
        {"walk ended after the primary", afterPrimary},
        {"table read refused", {kTable.substr(0, kTable.size() - 1)}},
        {"walk ended at row 6", afterRow6, // the edited SSID read, others not; the walk's failure stays
         "The SSID list was not read completely: the SSID could not be checked against the other SSIDs.",
         "(SNMP) Cannot perform operation, General Error!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        for (const std::string& oid : c.failed)
            Device->Sim().Command("fail " + oid + " genErr");
        Open();
        for (const std::string& oid : c.failed)
            Device->Sim().Command("unfail " + oid);
        Edit(3);
        Type(form->SSIDEdit, "typed-over");
        Save();
        EXPECT_TRUE(TableSets().empty());
        EXPECT_EQ(Device->Received("SET").empty(), c.box.empty()); // the switches go before the check
        EXPECT_EQ(LastBox(), c.box);
        EXPECT_EQ(Status(), c.status);
        form.reset();
    }
}

TEST_F(MultiFormTest, ARefusedDeleteLeavesTheEditorsOnTheSsidShown) {
    for (const std::string& set : {"set " + Cell(2, 2) + " 1", "set " + Cell(3, 2) + " deleted-one",
                                   "set " + Cell(3, 4) + " third-one"})
        Device->Sim().Command(set);
    Open();
    form->MulSSIDListView->SetItemIndex(1); // Multi-SSID1
    Edit(3);
    ASSERT_EQ(form->SSIDEdit->Text(), "third-one");
    Device->Sim().Command("fail " + Cell(2, 2) + " genErr");
    Device->Sim().ClearLog();
    form->DelButton->click();
    ASSERT_TRUE(PumpUntil([&] { return form->Idle(); }, 30000));
    EXPECT_EQ(Status().rfind("Multi-SSID set:", 0), 0u) << Status();
    EXPECT_EQ(form->SSIDEdit->Text(), "third-one");
    Device->Sim().Command("unfail " + Cell(2, 2));
    Save();
    for (const std::string& set : TableSets())
        EXPECT_EQ(set.substr(set.size() - 4), ".1.4") << set; // the SSID shown, not the one deleted
    EXPECT_EQ(Device->Sim().Command("get " + Cell(3, 2)), "value displaystr deleted-one\n");
}

class MultiPriorityFormTest : public MultiFormTest {
  protected:
    bool WithPriority() const override { return true; }
};

TEST_F(MultiPriorityFormTest, PriorityColumnsAndAFixedVlanNeedsItsNumber) {
    Device->Sim().Command("set " + kVlanState + " 1");
    Open();
    EXPECT_TRUE(form->CB_EnablePriority->isVisibleTo(form.get()));
    EXPECT_TRUE(form->CB_WMM->isVisibleTo(form.get()));
    Edit(1);
    Type(form->SSIDEdit, "lobby");
    EXPECT_FALSE(form->CB_DyVlan->isEnabled()); // no Enterprise kind: a fixed tag
    form->GroupIDEdit->SetText("");
    Save();
    EXPECT_EQ(LastBox(), "Please input VLAN ID!");
    EXPECT_TRUE(TableSets().empty());

    form->GroupIDEdit->SetText("7");
    Save();
    EXPECT_EQ(TableSets(), (std::vector<std::string>{"2.1.2", "3.1.2", "4.1.2", "5.1.2", "8.1.2", "12.1.2",
                                                     "13.1.2", "14.1.2", "15.1.2", "16.1.2"}));
    EXPECT_EQ(Status(), "Multi-SSID set success!");
    EXPECT_TRUE(SaveFormPicture(*form, "multi-ssid-priority"));
}

// The key slots another SSID of the band leaves free.
TEST(MultiSsidRules, OfferedKeyIndexes) {
    const SsidRow edited{"1", "2", "Enable", "", "Open System", "Enable", "First", "1", ""};
    const SsidRow wpa{"1", "3", "Enable", "", "WPA-Personal", "Enable", "First", "1", ""};
    const SsidRow dot1x{"1", "1", "Enable", "", "802.1x", "Enable", "First", "1", ""};
    const SsidRow off{"1", "4", "Disable", "", "WPA-Personal", "Enable", "First", "1", ""};
    struct Case {
        std::vector<SsidRow> band;
        bool dynamicWep;
        std::vector<std::string> offered;
    } cases[] = {
        {{edited, off}, false, {"First", "Second", "Third", "Fourth"}},
        {{edited, wpa}, false, {"First", "Fourth"}},
        {{edited, dot1x}, true, {"Second", "Third", "Fourth"}},
        {{edited, dot1x}, false, {"First", "Second", "Third", "Fourth"}},
        {{edited, wpa, dot1x}, true, {"Fourth"}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OfferedKeyIndexes(c.band, "2", c.dynamicWep), c.offered);
}

// What the device holds stays when nothing was changed, whatever the AP mode or VLAN state; a
// failure of the opening stays in view past the table's "Get OK!"; a key the user typed, or a key
// type picked, is written whatever the size and type chosen after it; every opening warns of a
// WDS mode that the save turns into Access Point.
TEST_F(MultiPriorityFormTest, UntouchedSavesKeepTheDeviceAndTypedKeysAreWritten) {
    const std::string kApMode = "1.3.6.1.4.1.48113.11.37.4.2.1.1.1.7.1";
    struct Case {
        std::string apMode, refused;
        std::function<void()> act;
        std::string status, written;        // "OID=value" SETs, blank-separated; every other value stays
        std::vector<std::string> sets = {}; // more device values
        std::string box = "";               // the last box of the opening or the save
    };
    auto size = [this](int index) {
        form->SizeCombo->SetItemIndex(index);
        form->KeyIdxComboChange(form->SizeCombo);
    };
    auto pick = [this](int type) -> std::function<void()> {
        return [this, type] {
            Edit(1), form->TypeCombo->SetItemIndex(type), emit form->TypeCombo->activated(type);
        };
    };
    const std::string hex26 = "0123456789abcdef0123456789", ok = "Multi-SSID set success!";
    const std::string key = kTable + "7.1.2=", type = kTable + "11.1.2=", setKey = "set " + Cell(7, 2) + " ";
    const std::string wds = "If you enable Multi-SSID,AP Mode in IEEE802.11g will be Access Point!";
    const std::string unsaved = "Multi-SSID and VLAN states set; the SSID was not saved.";
    const std::string retype = "Please input the key again for the new key type!",
                      tag = "set " + Cell(15, 1) + " 1";
    const std::vector<Case> cases = {
        {"1", "", [] {}, "Multi-SSID set success!", ""},
        {"9", "", [] {}, "Written, except settings the form cannot show.", ""},
        {"1", kApMode, [] {}, "Written, except settings not read.", ""},
        {"1", kVlanState, [] {}, "Written, except settings not read.", "", {tag}}, // Ethernet without tag
                                                                                   // stays
        {"1", "",
         [&] {
             Edit(1);
             size(2);
             Type(form->KeyValEdit, hex26);
             size(1);
         },
         "Multi-SSID set success!", key + hex26},
        {"1", "",
         [&] {
             Edit(1);
             Type(form->KeyValEdit, "abcde");
             form->TypeCombo->SetItemIndex(0);
             form->TypeComboChange(form->TypeCombo);
         },
         "Multi-SSID set success!", key + "6162636465 " + type + "1"},
        {"1", "", pick(0), ok, key + "6162636465 " + type + "1", {setKey + "6162636465"}},
        {"1", "", pick(0), unsaved, "", {setKey + "****"}, retype},
        {"3", "", [] {}, ok, kApMode + "=1", {}, wds},
        {"3", "", [] {}, ok, kApMode + "=1", {}, wds}, // a second opening as well
        {"1",
         "",
         [] {},
         "Written, except settings the form cannot show.",
         "",
         {tag, "set " + kVlanState + " 3"}},
    };
    for (const Case& c : cases) {
        for (const std::string& set :
             {"set " + kApMode + " " + c.apMode, "set " + Cell(2, 2) + " 1", "set " + Cell(3, 2) + " lobby",
              "set " + Cell(4, 2) + " 1", "set " + Cell(5, 2) + " 1", "set " + Cell(7, 2) + " \"\"",
              "set " + Cell(11, 2) + " 2", "set " + kVlanState + " 0", "set " + Cell(15, 1) + " 0"})
            Device->Sim().Command(set);
        for (const std::string& set : c.sets)
            Device->Sim().Command(set);
        if (!c.refused.empty())
            Device->Sim().Command("fail " + c.refused + " genErr");
        Open();
        if (!c.refused.empty()) {
            EXPECT_NE(Status(), "Get OK!") << c.refused;
            Device->Sim().Command("unfail " + c.refused);
        }
        c.act();
        const std::string opened = LastBox();
        auto before = Device->Values("1.3.6.1.4.1.48113.11.37.4");
        Save();
        auto after = Device->Values("1.3.6.1.4.1.48113.11.37.4");
        const auto sets = Device->Received("SET");
        std::istringstream written(c.written);
        for (std::string set; written >> set; after.erase(set.substr(0, set.find('=')))) {
            EXPECT_TRUE(
                std::any_of(sets.begin(), sets.end(), [&](auto& l) { return l.oid + "=" + l.value == set; }));
            before.erase(set.substr(0, set.find('=')));
        }
        for (const auto& [oid, value] : before)
            EXPECT_EQ(after[oid], value) << oid;
        EXPECT_EQ(Status(), c.status) << c.apMode << c.refused << c.written << LastBox();
        EXPECT_EQ(LastBox().empty() ? opened : LastBox(), c.box);
    }
}

} // namespace
