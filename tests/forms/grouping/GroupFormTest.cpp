// The grouping form against the simulated device: the user-limit check, the edit's state and
// what "Apply" and "Refresh" exchange with the device.
#include "app/forms/SettingsForm.h"
#include "forms/network/Group.h"
#include "platform/ComboBox.h"
#include "platform/Edit.h"
#include "platform/MessageBox.h"
#include "platform/StatusBar.h"
#include "tests/support/ActiveWindow.h"
#include "tests/support/FormPicture.h"
#include "tests/support/FormTestFixture.h"

#include <QLabel>
#include <QPushButton>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

const std::string kGroup = "1.3.6.1.4.1.48113.11.37.4.3.3.";
const std::string kLoadBalance = kGroup + "1.0";
const std::string kUserLimit = kGroup + "2.0";
const std::string kLinkIntegrate = kGroup + "4.0";
const char kRefusal[] = "Please input a number between 0 and 64.";

class GroupFormTest : public FormTestOf<TFM_Group> {
  protected:
    void Open() { OpenForm(); }
    void Apply() {
        form->StatusBar->SetSimpleText("");
        FormTest::Apply(form->Bt_Apply);
    }
    bool UserLimitEditable() const {
        return !form->Ed_UsrL->ReadOnly() && form->Ed_UsrL->Color() == clWindow;
    }
    bool UserLimitLocked() const { return form->Ed_UsrL->ReadOnly() && form->Ed_UsrL->Color() == clBtnFace; }
};

TEST_F(GroupFormTest, ShowsTheDeviceAndLocksTheUserLimitWhileLoadBalanceIsOff) {
    Open();
    EXPECT_EQ(form->CB_LoadB->ItemCount(), 2);
    EXPECT_EQ(form->CB_LoadB->Text(), "Disable");
    EXPECT_EQ(form->Ed_UsrL->Text(), "32");
    EXPECT_EQ(form->Ed_UsrL->MaxLength(), 2);
    EXPECT_EQ(form->CB_LinkInt->Text(), "Disable");
    EXPECT_EQ(Status(), "");
    EXPECT_TRUE(UserLimitLocked());
    EXPECT_TRUE(SaveFormPicture(*form, "group"));

    Pick(form->CB_LoadB, 1);
    EXPECT_TRUE(UserLimitEditable());
    Pick(form->CB_LoadB, 0);
    EXPECT_TRUE(UserLimitLocked());
    EXPECT_TRUE(Sets().empty());
}

TEST_F(GroupFormTest, UserLimitOutsideZeroToSixtyFourIsRefusedAndCleared) {
    Open();
    Pick(form->CB_LoadB, 1);
    for (const char* text : {"65", "", "640", "99"}) {
        SCOPED_TRACE(std::string("'") + text + "'");
        form->Ed_UsrL->SetText(text);
        ASSERT_EQ(form->Ed_UsrL->Text(), text);
        Apply();
        ASSERT_EQ(Device->Messages().Boxes.size(), 1u);
        EXPECT_EQ(Device->Messages().Boxes[0].Text, kRefusal);
        EXPECT_EQ(Device->Messages().Boxes[0].Caption, "Error");
        EXPECT_EQ(Device->Messages().Boxes[0].Buttons, MB_OK);
        EXPECT_EQ(form->Ed_UsrL->Text(), "");
        EXPECT_TRUE(Sets().empty());
        EXPECT_EQ(Status(), "");
    }
    for (const char* text : {"64", "0"}) {
        SCOPED_TRACE(text);
        form->Ed_UsrL->SetText(text);
        Apply();
        EXPECT_TRUE(Device->Messages().Boxes.empty());
        EXPECT_EQ(Sets(), (std::vector<std::string>{kLoadBalance + "=1", kUserLimit + "=" + text,
                                                    kLinkIntegrate + "=0"}));
        EXPECT_EQ(Status(), "Setting OK!");
    }
}

TEST_F(GroupFormTest, LockedUserLimitIsStillWrittenAndRefreshShowsTheDevice) {
    Open();
    Pick(form->CB_LinkInt, 1);
    Apply();
    EXPECT_EQ(Sets(),
              (std::vector<std::string>{kLoadBalance + "=0", kUserLimit + "=32", kLinkIntegrate + "=1"}));
    EXPECT_EQ(Status(), "Setting OK!");

    Device->Sim().Command("set " + kLoadBalance + " 1");
    Device->Sim().Command("set " + kUserLimit + " 7");
    form->Bt_Refresh->click();
    EXPECT_EQ(form->CB_LoadB->Text(), "Enable");
    EXPECT_EQ(form->Ed_UsrL->Text(), "7");
    EXPECT_EQ(form->CB_LinkInt->Text(), "Enable");
    EXPECT_TRUE(UserLimitEditable());

    Device->Sim().Command("set " + kLoadBalance + " 0");
    form->Bt_Refresh->click();
    EXPECT_TRUE(UserLimitLocked());
}

TEST_F(GroupFormTest, RefusedWriteSaysSettingError) {
    Open();
    Device->Sim().Command("fail " + kUserLimit + " genErr");
    Apply();
    EXPECT_EQ(Sets().size(), 3u);
    EXPECT_EQ(Status(), "Setting Error!");
}

class GroupFormFailedReadTest : public GroupFormTest {
  protected:
    DevSimOptions Options() override { return DeviceArgs({"--fail", kUserLimit + "=genErr"}); }
};

TEST_F(GroupFormFailedReadTest, FailedReadShowsInTheStatusBar) {
    Open();
    EXPECT_EQ(Status().rfind("Get: ", 0), 0u) << Status();
    EXPECT_TRUE(Device->Messages().Boxes.empty());
    // The whole line is in view, inside the form.
    const auto* pane = form->StatusBar->findChild<QLabel*>();
    const QRect need = pane->fontMetrics().boundingRect(pane->contentsRect(), Qt::TextWordWrap, pane->text());
    EXPECT_LE(need.height(), pane->contentsRect().height());
    EXPECT_LE(need.width(), pane->contentsRect().width());
    EXPECT_LE(form->StatusBar->geometry().bottom() + 1, form->height());
}

// What the form did not read, or could not show, is not written; what the user changes is.
TEST_F(GroupFormTest, SettingsNotReadOrNotShownAreNotWritten) {
    struct Case {
        const char* What;
        std::vector<std::string> Device; // "OID value" set before opening
        std::string FailAtOpening;       // refused while the form opens, answered again after
        std::function<void()> User;
        std::vector<std::string> Sets;
        std::string Status;
        std::string UserLimitShown;
    };
    const Case cases[] = {
        {"group refused", {}, kLoadBalance, nullptr, {}, TSettingsForm::kNothingWritten, ""},
        {"group refused, load balance picked",
         {},
         kLoadBalance,
         [this] { Pick(form->CB_LoadB, 1); },
         {kLoadBalance + "=1"},
         TSettingsForm::kPartlyWritten,
         ""},
        {"values not in the lists",
         {kLoadBalance + " 5", kLinkIntegrate + " 9"},
         "",
         nullptr,
         {kUserLimit + "=20"},
         TSettingsForm::kPartlyWrittenUnshown,
         "20"},
        {"negative user limit is shown as read and refused", {kUserLimit + " -5"}, "", nullptr, {}, "", "-5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        Device->Sim().Command("set " + kLoadBalance + " 1");
        Device->Sim().Command("set " + kUserLimit + " 20");
        Device->Sim().Command("set " + kLinkIntegrate + " 1");
        for (const std::string& set : c.Device)
            Device->Sim().Command("set " + set);
        if (!c.FailAtOpening.empty())
            Device->Sim().Command("fail " + c.FailAtOpening + " genErr");
        Open();
        if (!c.FailAtOpening.empty()) {
            EXPECT_EQ(Status().rfind("Get: ", 0), 0u) << Status();
            Device->Sim().Command("unfail " + c.FailAtOpening);
        }
        EXPECT_EQ(form->Ed_UsrL->Text(), c.UserLimitShown);
        if (c.User)
            c.User();
        Apply();
        EXPECT_EQ(Sets(), c.Sets);
        EXPECT_EQ(Status(), c.Status);
        // A Refresh that reads the device ends what the Apply said it left out.
        form->Bt_Refresh->click();
        EXPECT_EQ(Status(), "");
        form.reset();
    }
}

} // namespace
