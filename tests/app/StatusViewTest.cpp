// The status-view base against the simulated device: a close follows the view's own rules and
// lets go of the requests only after the timers stop, a close put off while request code runs
// comes back by itself, and a view deleted with an answer owed runs nothing of itself meanwhile.
#include "app/views/StatusView.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/Edit.h"
#include "platform/StatusBar.h"
#include "platform/Timer.h"
#include "tests/support/FormTestFixture.h"

#include <memory>
#include <stdexcept>

namespace {

const VarDef kMask[] = {
    Row("1.3.6.1.4.1.48113.11.37.4.2.2.3", "bSubnetMask", SYN_IPADDRESS, ACC_READWRITE),
    EndOfRows(),
};

class Probe : public TStatusView {
  public:
    explicit Probe(int* ticks = nullptr) : TStatusView(nullptr, Frame::Titled) {
        SetUpWindow(Bar, 0);
        Refresh = AddTimer(TimerStart::OnShow, 10, [ticks] {
            if (ticks != nullptr)
                ++*ticks;
        });
    }
    // Builds the request; `bindFails` makes its binding raise.
    void Build(bool bindFails) {
        BuildRequest(Request, [&](NxSNMPRequest2Edits& request) {
            request.Request.VarList = NxSNMPVarList(kMask, SVT_SV, 0);
            request.BindEdits(0, bindFails ? "%q" : "%s", Edit);
        });
    }

    bool Allowed = true;
    bool Inside = false;
    bool TimerRanAtRelease = true;

    TStatusBar* Bar = new TStatusBar(this);
    TEdit* Edit = new TEdit(this);
    TTimer* Refresh = nullptr;
    TFormRequest<NxSNMPRequest2Edits> Request;

  protected:
    bool CloseAllowed() override { return Allowed; }
    bool InsideRequest() const override { return Inside; }
    void ReleaseOnClose() override {
        TimerRanAtRelease = Refresh->Enabled();
        TStatusView::ReleaseOnClose();
    }
};

class StatusViewTest : public FormTest {};

TEST_F(StatusViewTest, CloseFollowsTheViewsRulesAndStopsTheTimersFirst) {
    struct Case {
        const char* name;
        bool allowed, inside;
        bool closedAtOnce, timerStopped;
    };
    const Case cases[] = {
        {"allowed", true, false, true, true},
        {"refused by the view", false, false, false, false},
        {"request code on the stack", true, true, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Probe view;
        view.Build(false);
        view.show();
        ASSERT_TRUE(view.Refresh->Enabled());
        view.Allowed = c.allowed;
        view.Inside = c.inside;
        EXPECT_EQ(view.close(), c.closedAtOnce);
        EXPECT_EQ(view.isVisible(), !c.closedAtOnce);
        EXPECT_EQ(!view.Refresh->Enabled(), c.timerStopped);
        EXPECT_EQ(view.Request == nullptr, c.closedAtOnce);
        if (c.closedAtOnce) {
            EXPECT_FALSE(view.TimerRanAtRelease);
        }
        if (!c.inside)
            continue;
        // Tried again from the event loop once the request code has returned.
        view.Inside = false;
        ASSERT_TRUE(PumpUntil([&] { return !view.isVisible(); }));
        EXPECT_EQ(view.Request, nullptr);
    }
}

TEST_F(StatusViewTest, BuildThatRaisesLeavesTheSlotEmpty) {
    Probe view;
    EXPECT_THROW(view.Build(true), std::exception);
    EXPECT_EQ(view.Request, nullptr);
    view.Build(false);
    EXPECT_NE(view.Request, nullptr);
}

TEST_F(StatusViewTest, DeletedWithAnAnswerOwedRunsNothingOfItselfInTheWait) {
    int ticks = 0, completions = 0;
    auto view = std::make_unique<Probe>(&ticks);
    view->Build(false);
    view->Request->OnEndingGet = [&](NxSNMPRequest2Controls*, NxSNMPError*) { ++completions; };
    view->show();
    Device->Sim().Command("delay 500");
    view->Request->Get();
    ASSERT_EQ(view->Request->Request.Outstanding, 1);
    const int ticksBefore = ticks;
    view.reset();
    EXPECT_EQ(ticks, ticksBefore);
    EXPECT_EQ(completions, 0);
}

} // namespace
