// A status view's line tells the last thing that happened to each read: a refresh that reads
// what failed before takes its failure off, another read's success never does.
#include "app/Devinfo.h"
#include "app/Static.h"
#include "library/snmp/NxSNMPRequest2Edits.h"
#include "platform/StatusBar.h"
#include "tests/status/StatusViewTools.h"

#include <QPushButton>
#include <functional>
#include <memory>

namespace {

const std::string kGeneral = std::string(kTree) + ".6.1.1";
const std::string kDevInfoBand = std::string(kTree) + ".6.1.2.1";
const std::string kCounters = std::string(kTree) + ".6.2.2.1.1.1";

using ReadFailureLineTest = FormTest;

TEST_F(ReadFailureLineTest, AFailureStaysUntilTheSameReadSucceeds) {
    struct Case {
        const char* name;
        bool stats;         // the statistics view, else device information
        std::string failed; // refused while the view opens and until the first refresh
        bool cleared;       // the refresh after the refusal reads what failed
    };
    const Case cases[] = {
        {"device information band", false, kDevInfoBand, true},
        {"statistics counters", true, kCounters, true},
        {"device information general", false, kGeneral, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Device->Sim().Command("fail " + c.failed + " genErr");
        std::unique_ptr<TFM_DevInfo> info;
        std::unique_ptr<TFM_Static> stats;
        std::function<void()> refresh;
        TStatusBar* bar = nullptr;
        if (c.stats) {
            stats = std::make_unique<TFM_Static>();
            bar = stats->StatusBar;
            stats->FormCreate(stats.get());
            refresh = [&] {
                stats->Bt_RfrshA->click();
                ASSERT_TRUE(PumpUntil([&] { return !stats->BandRequestA->Busy; }));
            };
            ASSERT_TRUE(PumpUntil([&] { return !stats->BandRequestA->Busy; }));
        } else {
            info = std::make_unique<TFM_DevInfo>();
            bar = info->StatusBar;
            info->FormCreate(info.get());
            refresh = [&] { info->Bt_Refa->click(); };
        }
        const std::string failure = bar->SimpleText();
        EXPECT_EQ(failure.rfind("Get: ", 0), 0u) << failure;
        refresh(); // refused again: the same failure
        EXPECT_EQ(bar->SimpleText().rfind("Get: ", 0), 0u) << bar->SimpleText();
        Device->Sim().Command("unfail " + c.failed);
        refresh();
        if (c.cleared)
            EXPECT_EQ(bar->SimpleText(), "");
        else
            EXPECT_EQ(bar->SimpleText(), failure) << "another read's success leaves it";
    }
}

} // namespace
