// The rogue AP form against the simulated device: the filters as bit sets, the detect sequence and
// its wait, add and delete between the lists, the radio-off warning, protection, and closing.
#include "app/forms/SettingsForm.h"
#include "forms/network/RogueApRows.h"
#include "forms/network/Rogueap.h"
#include "platform/CheckBox.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/ListView.h"
#include "platform/MessageBox.h"
#include "platform/RadioGroup.h"
#include "platform/StatusBar.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string E = "1.3.6.1.4.1.48113.11.37.4";
const std::string kBand = E + ".3.6.2.0";
const std::string kSecurity = E + ".3.6.3.0";
const std::string kDetect = E + ".3.6.4.1.1.0";
const std::string kAdd = E + ".3.6.4.1.2.0";
const std::string kFoundList = E + ".3.6.4.1.4.1.";
const std::string kKnownList = E + ".3.6.4.2.2";
const std::string kProtection = E + ".3.6.5.0";

class RogueapFormTest : public FormTestOf<TFM_RogueForm> {
  protected:
    void Open() {
        OpenForm([this] { return WaitIdle(); });
    }
    bool WaitIdle() {
        return PumpUntil([this] { return form->Idle() && !form->DetectWait->isActive(); }, 10000);
    }
    bool FoundListRead() const {
        for (const auto& line : Device->Received("GETNEXT"))
            if (line.oid.rfind(kFoundList, 0) == 0)
                return true;
        return false;
    }
    int Boxes(const std::string& text) const {
        int n = 0;
        for (const auto& box : Device->Messages().Boxes)
            n += box.Text == text;
        return n;
    }
};

TEST_F(RogueapFormTest, FiltersAreBitSetsAndAdHocHasNoWpa) {
    Open();
    EXPECT_EQ(form->RogueListView->ItemCount(), 6); // the bundled scan: 11b and 11g, every security
    EXPECT_EQ(form->AP_ListView->ItemCount(), 2);
    EXPECT_EQ(form->RogueListView->ColumnWidth(0), 0);
    EXPECT_TRUE(form->CheckBox_11b->Checked() && form->CheckBox_11g->Checked());
    EXPECT_TRUE(form->WPA2PSKCkBox->isEnabled()); // "Both" read
    form->CheckBox_11b->click();
    EXPECT_EQ(form->BandEdit->Text(), "8");
    form->CheckBox_11b->click();
    EXPECT_EQ(form->BandEdit->Text(), "12");

    form->BSSTypRadGrp->Button(1)->click(); // Ad Hoc
    EXPECT_EQ(form->SecEdit->Text(), "3");
    for (TCheckBox* box : {form->ChcBxo_eap, form->ChcBxo_psk, form->WPA2EAPCkBox, form->WPA2PSKCkBox,
                           form->WPA2AUTECkBox, form->WPA2AUTPCkBox})
        EXPECT_FALSE(box->isEnabled());
    EXPECT_TRUE(form->ChcBxo_wep->isEnabled());
    form->ChcBxo_wep->click();
    EXPECT_EQ(form->SecEdit->Text(), "1");

    form->Apply_Btn->click();
    EXPECT_EQ(Sets(), (std::vector<std::string>{E + ".3.6.1.0=2", kBand + "=12", kSecurity + "=1",
                                                kProtection + "=0"}));
    EXPECT_EQ(Status(), "Set Success!");
    EXPECT_TRUE(SaveFormPicture(*form, "rogueap"));

    Device->Sim().Command("set " + kSecurity + " 255"); // read as ad hoc: no WPA to tick, none lost
    Open();
    EXPECT_FALSE(form->WPA2PSKCkBox->isEnabled());
    form->Apply_Btn->click();
    EXPECT_EQ(Sets()[2], kSecurity + "=255");
}

TEST_F(RogueapFormTest, DetectWritesTheFiltersThenScansAndReadsTheListAfterItsWait) {
    Open();
    form->CheckBox_11b->click(); // 11g only
    QElapsedTimer sinceDetect;   // started before the answer, so the wait can only look longer
    sinceDetect.start();
    form->DetectBtn->click();
    EXPECT_FALSE(form->DetectBtn->isEnabled());
    EXPECT_FALSE(form->Apply_Btn->isEnabled());
    ASSERT_TRUE(PumpUntil([this] { return form->DetectWait->isActive(); }));
    const auto sets = Sets();
    ASSERT_EQ(sets.size(), 4u);
    EXPECT_EQ(sets[1], kBand + "=8");
    EXPECT_EQ(sets[3], kDetect + "=1");
    EXPECT_FALSE(FoundListRead());
    ASSERT_TRUE(PumpUntil([this] { return FoundListRead(); }));
    EXPECT_GE(sinceDetect.elapsed(), TFM_RogueForm::kDetectWaitMillis);
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(form->RogueListView->ItemCount(), 4); // the 11g entries of the air
    EXPECT_TRUE(form->DetectBtn->isEnabled());
    EXPECT_EQ(Status(), "Get OK!");
}

TEST_F(RogueapFormTest, AddAndDeleteNeedASelectionAndTheKnownListHoldsThirty) {
    Open();
    for (QPushButton* button : {form->AddBtn, form->DelBtn, form->ListDelBtn})
        button->click();
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(Device->Messages().Boxes.empty());

    form->RogueListView->SetItemIndex(2);
    const std::string chosen = form->RogueListView->ItemCaption(2);
    form->AddBtn->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Sets(), (std::vector<std::string>{kAdd + "=" + chosen}));
    EXPECT_EQ(form->RogueListView->ItemCount(), 5);
    EXPECT_EQ(form->AP_ListView->ItemCount(), 3);

    // A lost answer: the add goes out once, the time-out shows, and the lists are read again.
    Device->Sim().ClearLog();
    Device->Sim().Command("drop 1");
    form->AddRequest->Request.TimeOut = 100;
    form->RogueListView->SetItemIndex(0);
    form->AddBtn->click();
    ASSERT_TRUE(WaitIdle());
    EXPECT_EQ(Sets().size(), 1u);
    EXPECT_NE(Status().find("timed out"), std::string::npos) << Status();
    EXPECT_EQ(form->AP_ListView->ItemCount(), 4);

    Device->Sim().ClearLog();
    while (form->AP_ListView->ItemCount() < TFM_RogueForm::kMaxKnown)
        form->AP_ListView->AddItem("x");
    form->RogueListView->SetItemIndex(0);
    form->AddBtn->click();
    EXPECT_EQ(Boxes("Miximum number of AP list is 30!"), 1);
    EXPECT_TRUE(Sets().empty());
    EXPECT_TRUE(form->AddBtn->isEnabled());
}

TEST_F(RogueapFormTest, RadioOffWarnsAndLocksDetect) {
    Device->Sim().Command("set " + E + ".3.1.1.11.1 0");
    Open();
    EXPECT_EQ(Boxes("Radio has been turned off,the rogue ap detection will be invalid! "), 1);
    EXPECT_FALSE(form->DetectBtn->isEnabled());
    EXPECT_FALSE(form->CB_RogueAP->isEnabled());
    EXPECT_TRUE(form->Apply_Btn->isEnabled());

    // the layout keeps its shares of a larger window
    const int listHeight = form->RogueListView->height();
    form->resize(form->width() + 200, form->height() + 200);
    auto* group = form->DetectBtn->parentWidget();
    EXPECT_GT(form->RogueListView->height(), listHeight);
    EXPECT_EQ(form->DetectBtn->x(), int(0.432258064516129 * group->width() + 0.5));
    EXPECT_EQ(form->DetectBtn->y(), group->height() - 24 - 4);
}

TEST_F(RogueapFormTest, RefusedWritesSayErrorAndAFailedFilterWriteSendsNoDetect) {
    Open();
    Device->Sim().Command("fail " + kProtection + " genErr");
    form->Apply_Btn->click();
    EXPECT_EQ(Status(), "Set Error!");

    Device->Sim().Command("fail " + kBand + " genErr");
    Device->Sim().ClearLog();
    form->DetectBtn->click();
    ASSERT_TRUE(WaitIdle());
    for (const auto& set : Sets())
        EXPECT_EQ(set.rfind(kDetect, 0), std::string::npos);
    EXPECT_TRUE(form->DetectBtn->isEnabled());
    EXPECT_NE(Status(), "Detecting...");
}

TEST_F(RogueapFormTest, ClosingDuringTheWaitCancelsTheReadAndClosingWhileReadingIsRefused) {
    Open();
    form->DetectBtn->click();
    ASSERT_TRUE(PumpUntil([this] { return form->DetectWait->isActive(); }));
    EXPECT_TRUE(form->close());
    PumpUntil([] { return false; }, TFM_RogueForm::kDetectWaitMillis + 500);
    EXPECT_FALSE(FoundListRead());

    Open();
    Device->Sim().Command("delay 500");
    form->DelBtn->setEnabled(true);
    form->RogueListView->SetItemIndex(0);
    form->DelBtn->click();
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->isVisible());
    ASSERT_TRUE(WaitIdle());
    EXPECT_TRUE(form->close());
}

// A walked row that cannot be shown ends the walk; the form still hears of it.
TEST_F(RogueapFormTest, AWalkEndedByARowThatCannotBeShownStillCallsBack) {
    QWidget owner;
    ListWalkRequest walk(&owner);
    walk.Request.VarList = NxSNMPVarList(MibRows::Index_to_SSID(), MVT_UMV, 1);
    TCheckBox box(&owner);
    walk.BindCheckBox(1, &box); // a display string cannot check a box
    int code = 0;
    walk.OnEndingGet = [&code](NxSNMPRequest2Controls*, NxSNMPError* result) { code = result->Code; };
    walk.Get();
    ASSERT_TRUE(PumpUntil([&code] { return code != 0; }));
    EXPECT_EQ(walk.Busy, 0);
}

// A group refused while the form opens keeps its failure in view past the lists' "Get OK!", and
// Apply or Detect write none of it unless the user changes it.
TEST_F(RogueapFormTest, SettingsNotReadAtOpeningAreNotWritten) {
    const std::string kBss = E + ".3.6.1.0";
    const std::string kRadio = E + ".3.1.1.11.1";
    const std::vector<std::string> filters = {kBss + "=3", kBand + "=12", kSecurity + "=255"};
    struct Case {
        const char* What;
        std::string Refused;
        bool UserClicks11b;
        std::vector<std::string> Sets;
        std::string Status;
    };
    const Case cases[] = {
        {"protection refused", kProtection, false, filters, TSettingsForm::kPartlyWritten},
        {"filters refused", kBand, false, {kProtection + "=0"}, TSettingsForm::kPartlyWritten},
        // The band's boxes hold nothing of the device: a click makes no band value of them.
        {"filters refused, band box clicked",
         kBand,
         true,
         {kProtection + "=0"},
         TSettingsForm::kPartlyWritten},
        {"radio refused",
         kRadio,
         false,
         {filters[0], filters[1], filters[2], kProtection + "=0"},
         "Set Success!"},
        {"known list refused",
         kKnownList,
         false,
         {filters[0], filters[1], filters[2], kProtection + "=0"},
         "Set Success!"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Device->Sim().Command("set " + kBand + " 12");
        Device->Sim().Command("fail " + c.Refused + " genErr");
        Open();
        EXPECT_EQ(Status().rfind("Get: ", 0), 0u) << Status();
        Device->Sim().Command("unfail " + c.Refused);
        EXPECT_EQ(Boxes("Radio has been turned off,the rogue ap detection will be invalid! "), 0);
        EXPECT_TRUE(form->DetectBtn->isEnabled());
        if (c.Refused == kProtection) {
            EXPECT_EQ(form->CB_RogueAP->GetItemIndex(), -1);
        }
        EXPECT_EQ(form->ChcBxo_eap->isEnabled(), c.Refused != kBand);
        if (c.Refused == kKnownList) { // its limit of 30 cannot be checked: Add writes nothing
            form->RogueListView->SetItemIndex(0);
            form->AddBtn->click();
            EXPECT_EQ(Status(), TFM_RogueForm::kKnownListNotRead);
        }
        if (c.UserClicks11b) {
            EXPECT_FALSE(form->CheckBox_11b->isEnabled());
            form->CheckBox_11b->click();
        }
        form->Apply_Btn->click();
        EXPECT_EQ(Sets(), c.Sets);
        EXPECT_EQ(Status(), c.Status);
        if (c.Refused == kBand && !c.UserClicks11b) {
            Device->Sim().ClearLog();
            form->DetectBtn->click();
            ASSERT_TRUE(WaitIdle());
            ASSERT_FALSE(Sets().empty());
            EXPECT_EQ(Sets()[0], kDetect + "=1"); // the device's own filters stay
        }
        form.reset();
    }
}

} // namespace
