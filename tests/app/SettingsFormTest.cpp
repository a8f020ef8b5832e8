// The settings-form base against the simulated device: closing while an answer is due, a build
// that fails half-way, and writes judged on their result whatever the request's mode.
#include "app/forms/SettingsForm.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"
#include "tests/support/FormTestFixture.h"

#include <QCloseEvent>
#include <QDialog>
#include <QPushButton>
#include <QTimer>
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
    using TSettingsForm::OnClicked;
    using TSettingsForm::Read;
    using TSettingsForm::RequestsBuilt;
    using TSettingsForm::ShowReadOk;
    using TSettingsForm::Write;
    using TSettingsForm::WriteAndShow;
    // A form whose rules let it close while answers are owed.
    bool BusyNow() const override { return !CloseWhileOwed && TSettingsForm::BusyNow(); }
    bool CloseWhileOwed = false;

    TStatusBar* Bar = new TStatusBar(this);
    TEdit* Edit = new TEdit(this);
    TFormRequest<NxSNMPRequest2Edits> First;
    TFormRequest<NxSNMPRequest2Edits> Second;
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

TEST_F(SettingsFormTest, BuildThatRaisesKeepsTheBoundRequestsAndSaysWhy) {
    Probe form;
    EXPECT_FALSE(form.Build(true));
    EXPECT_TRUE(form.First);   // built and bound before the failure
    EXPECT_FALSE(form.Second); // half bound
    EXPECT_FALSE(form.RequestsBuilt());
    EXPECT_FALSE(form.Bar->SimpleText().empty());
}

// Once the close is accepted the form is out of sight and nothing of it runs: not a click that
// comes while the answers owed are awaited, nor a completion handler.
TEST_F(SettingsFormTest, AcceptedCloseHidesAtOnceAndRunsNoHandlerOfTheForm) {
    Probe form;
    ASSERT_TRUE(form.Build(false));
    auto* button = new QPushButton("Apply", &form);
    int clicks = 0, completions = 0;
    form.OnClicked(button, [&] { ++clicks; });
    form.First->OnEndingGet = [&](NxSNMPRequest2Controls*, NxSNMPError*) { ++completions; };
    form.show();
    Device->Sim().Command("delay 1500");
    form.First->Get();
    ASSERT_EQ(form.First->Request.Outstanding, 1);
    form.CloseWhileOwed = true;
    int finished = 0;
    QObject::connect(&form, &QDialog::finished, [&] { ++finished; });
    bool visibleDuringTeardown = true, clicked = false;
    QTimer::singleShot(300, [&] {
        visibleDuringTeardown = form.isVisible();
        button->click();
        form.close(); // a second close while the first runs starts nothing
        clicked = true;
    });
    form.close();
    EXPECT_TRUE(clicked); // the click came while the answer was awaited
    EXPECT_EQ(finished, 1);
    EXPECT_FALSE(visibleDuringTeardown);
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(completions, 0);
    EXPECT_FALSE(form.First || form.Second);
    EXPECT_FALSE(form.isVisible());
    // What was held back is back once the requests are gone.
    EXPECT_TRUE(form.isEnabled());
    EXPECT_FALSE(button->signalsBlocked());
}

// A form destroyed without a close (its owner goes) still lets go of its requests first: an
// answer that comes in the wait finds no handler of the form, a close none of its slots.
TEST_F(SettingsFormTest, DestroyedFormRunsNoHandlerWhileItsAnswersAreAwaited) {
    auto form = std::make_unique<Probe>();
    ASSERT_TRUE(form->Build(false));
    int completions = 0;
    form->First->OnEndingGet = [&](NxSNMPRequest2Controls*, NxSNMPError*) { ++completions; };
    Device->Sim().Command("delay 500");
    form->First->Get();
    ASSERT_EQ(form->First->Request.Outstanding, 1);
    // A close that comes during the wait (a retry the form had queued) finds the form going.
    Probe* going = form.get();
    int lateCloses = 0;
    QTimer::singleShot(50, going, [&lateCloses, going] {
        going->close();
        ++lateCloses;
    });
    form.reset();
    EXPECT_EQ(completions, 0);
    EXPECT_EQ(lateCloses, 1);
}

// A request the form lets go of while an answer is owed (a slot built anew) is heard no more:
// its answer neither fills the control nor says anything, before the close or in its wait.
TEST_F(SettingsFormTest, RequestLetGoOfWhileOwedAnAnswerShowsNothingOfIt) {
    Probe form;
    ASSERT_TRUE(form.Build(false));
    form.show();
    form.Edit->SetText("typed");
    int completions = 0;
    form.First->OnEndingGet = [&](NxSNMPRequest2Controls*, NxSNMPError*) { ++completions; };
    Device->Sim().Command("delay 300");
    form.First->Get();
    ASSERT_EQ(form.First->Request.Outstanding, 1);
    form.First.reset();
    EXPECT_FALSE(form.BusyNow());
    // Long enough for the answer to come on any machine but a stalled one, which passes anyway.
    EXPECT_FALSE(PumpUntil([&] { return form.Edit->Text() != "typed"; }, 2000));
    form.close();
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.Edit->Text(), "typed");
    EXPECT_EQ(completions, 0);
    EXPECT_EQ(form.Bar->SimpleText(), "");
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

    // A write that cannot go out says why, and the failure text does not hide the reason.
    form.First->Request.Device.Address = "no address";
    EXPECT_FALSE(form.WriteAndShow(*form.First, "Setting Success!", "Setting Error!"));
    EXPECT_EQ(form.Bar->SimpleText(), "(NxSNMP++) Invalid IP Address or DNS name!");
    form.First->Request.Device.Address = Device->Sim().Address();
    EXPECT_FALSE(form.WriteAndShow(*form.First, "Setting Success!", "Setting Error!"));
    EXPECT_EQ(form.Bar->SimpleText(), "Setting Error!");
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
