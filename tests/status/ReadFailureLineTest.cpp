// A status view's failure stays until a read of the same request succeeds; another read's success
// leaves it in view.
#include "app/Devinfo.h"
#include "app/Static.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/StatusBar.h"
#include "tests/status/StatusViewTools.h"

#include <QPushButton>

namespace {

using ReadFailureLineTest = FormTest;

TEST_F(ReadFailureLineTest, AFailureStaysUntilTheSameReadSucceeds) {
    const std::string tree = kTree;
    const struct {
        bool stats;
        std::string failed; // refused until the refresh
        bool cleared;       // the refresh reads what failed
    } cases[] = {{false, tree + ".6.1.2.1", true},
                 {true, tree + ".6.2.2.1.1.1", true},
                 {false, tree + ".6.1.1", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.failed);
        Device->Sim().Command("fail " + c.failed + " genErr");
        TFM_DevInfo info;
        TFM_Static stats;
        const auto read = [&](bool opening) {
            if (!c.stats)
                return opening ? info.FormCreate(&info) : info.Bt_Refa->click();
            opening ? stats.FormCreate(&stats) : stats.Bt_RfrshA->click();
            ASSERT_TRUE(PumpUntil([&] { return !stats.BandRequestA->Busy; }));
        };
        TStatusBar* bar = c.stats ? stats.StatusBar : info.StatusBar;
        read(true);
        const std::string failure = bar->SimpleText();
        EXPECT_EQ(failure.rfind("Get: ", 0), 0u) << failure;
        Device->Sim().Command("unfail " + c.failed);
        read(false);
        EXPECT_EQ(bar->SimpleText(), c.cleared ? "" : failure);
    }
}

} // namespace
