// The settings-form base against the simulated device: closing while an answer is due, a build
// that fails half-way, and writes judged on their result whatever the request's mode.
#include "app/SettingsForm.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"
#include "tests/support/FormTestFixture.h"

#include <QCloseEvent>
#include <QDialog>
#include <memory>

namespace {

const VarDef kMask[] = {
    Row("1.3.6.1.4.1.48113.11.37.4.2.2.3", "bSubnetMask", SYN_IPADDRESS, ACC_READWRITE),
    EndOfRows(),
};

class Probe : public TSettingsForm {
  public:
    Probe() {
        Own(First, Second);
        SetUpWindow(Bar, {.Size = QSize(200, 100)});
    }
    // Builds both; `bindFails` makes the second's binding raise.
    bool Build(bool bindFails) {
        return BuildRequests([&] {
            MakeRequest(First, kMask, {.Mode = NxSNMPRequest2Controls::ModeCallback})
                .BindEdits(0, "%s", Edit);
            MakeRequest(Second, kMask).BindEdits(0, bindFails ? "%q" : "%s", Edit);
        });
    }
    using TSettingsForm::Read;
    using TSettingsForm::RequestsBuilt;
    using TSettingsForm::ShowReadOk;
    using TSettingsForm::Write;
    using TSettingsForm::WriteAndShow;

    TStatusBar* Bar = new TStatusBar(this);
    TEdit* Edit = new TEdit(this);
    std::unique_ptr<NxSNMPRequest2Edits> First;
    std::unique_ptr<NxSNMPRequest2Edits> Second;
};

class SettingsFormTest : public FormTest {};

TEST_F(SettingsFormTest, CloseIsRefusedUntilTheAnswerHasCome) {
    Probe form;
    ASSERT_TRUE(form.Build(false));
    form.show();
    Device->Sim().Command("silent 1");
    form.First->Get();
    ASSERT_TRUE(form.BusyNow());
    form.close();
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(form.First && form.Second);
    ASSERT_TRUE(PumpUntil([&] { return !form.BusyNow(); }, 30000));
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.First || form.Second);
}

TEST_F(SettingsFormTest, BuildThatRaisesLeavesNoRequestAndSaysWhy) {
    Probe form;
    EXPECT_FALSE(form.Build(true));
    EXPECT_FALSE(form.First || form.Second);
    EXPECT_FALSE(form.RequestsBuilt());
    EXPECT_FALSE(form.Bar->SimpleText().empty());
}

TEST_F(SettingsFormTest, WriteIsBlockingWhateverTheModeAndJudgedOnTheAnswer) {
    Probe form;
    ASSERT_TRUE(form.Build(false));
    form.Edit->SetText("255.255.0.0");
    form.First->MarkAsked(0); // the form's own value: nothing was read
    EXPECT_TRUE(form.Write(*form.First));
    EXPECT_EQ(form.First->Mode, NxSNMPRequest2Controls::ModeCallback);
    Device->Sim().Command("fail 1.3.6.1.4.1.48113.11.37.4.2.2.3 genErr");
    EXPECT_FALSE(form.Write(*form.First));
}

constexpr char kMaskOid[] = "1.3.6.1.4.1.48113.11.37.4.2.2.3.0";

// A read failure stays in view until that request reads, whatever "read OK" text comes between;
// a write of nothing read says so instead of its success text.
TEST_F(SettingsFormTest, ReadFailureStaysAndAWriteOfNothingReadIsNoSuccess) {
    Probe form;
    ASSERT_TRUE(form.Build(false));
    Device->Sim().Command(std::string("fail ") + kMaskOid + " genErr");
    EXPECT_FALSE(form.Read(*form.Second));
    const std::string failure = form.Bar->SimpleText();
    EXPECT_EQ(failure.rfind("Get: ", 0), 0u) << failure;
    form.ShowReadOk("Get OK!");
    EXPECT_EQ(form.Bar->SimpleText(), failure);
    Device->Sim().Command(std::string("unfail ") + kMaskOid);

    EXPECT_FALSE(form.WriteAndShow(*form.Second, "Set OK!", "Set Error!"));
    EXPECT_EQ(form.Bar->SimpleText(), TSettingsForm::kNothingWritten);
    EXPECT_TRUE(Device->Received("SET").empty());
    // The read that mends the failure takes off only the failure's own line.
    EXPECT_TRUE(form.Read(*form.Second));
    EXPECT_EQ(form.Bar->SimpleText(), TSettingsForm::kNothingWritten);
    form.ShowReadOk("Get OK!");
    EXPECT_EQ(form.Bar->SimpleText(), "Get OK!");

    Device->Sim().Command(std::string("fail ") + kMaskOid + " genErr");
    EXPECT_FALSE(form.Read(*form.Second));
    Device->Sim().Command(std::string("unfail ") + kMaskOid);
    EXPECT_TRUE(form.Read(*form.Second));
    EXPECT_EQ(form.Bar->SimpleText(), "");
    // What was read is written again, and that is a success.
    EXPECT_TRUE(form.WriteAndShow(*form.Second, "Set OK!", "Set Error!"));
    EXPECT_EQ(form.Bar->SimpleText(), "Set OK!");
    EXPECT_EQ(Device->Received("SET").size(), 1u);
}

} // namespace
