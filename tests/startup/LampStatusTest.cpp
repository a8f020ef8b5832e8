#include "app/program/LampStatus.h"
#include "app/program/Lamp.h"

#include <gtest/gtest.h>

namespace {

TEST(LampStatus, EachLampHasAnOnBitAndABlinkBitAboveIt) {
    struct Case {
        int Status;
        LampStatus Expected;
    };
    const Case cases[] = {
        {0x01, {{true, false}, {}, {}, {}}},
        {0x02, {{false, true}, {}, {}, {}}},
        {0x04, {{}, {true, false}, {}, {}}},
        {0x08, {{}, {false, true}, {}, {}}},
        {0x10, {{}, {}, {true, false}, {}}},
        {0x20, {{}, {}, {false, true}, {}}},
        {0x40, {{}, {}, {}, {true, false}}},
        {0x80, {{}, {}, {}, {false, true}}},
        {0x15, {{true, false}, {true, false}, {true, false}, {false, false}}},
        {0x1FF, {{true, true}, {true, true}, {true, true}, {true, true}}},
    };
    for (const Case& c : cases) {
        const LampStatus s = DecodeLampStatus(c.Status);
        const LampBits got[] = {s.Power, s.Lan, s.Band11g, s.Band11a};
        const LampBits want[] = {c.Expected.Power, c.Expected.Lan, c.Expected.Band11g, c.Expected.Band11a};
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(got[i].On, want[i].On) << "status " << c.Status << " lamp " << i;
            EXPECT_EQ(got[i].Blink, want[i].Blink) << "status " << c.Status << " lamp " << i;
        }
    }
}

TEST(LampStatus, OnlyABlinkingLampChangesOnABlinkStep) {
    Lamp steady, blinking;
    ShowLamp(steady, {true, false});
    ShowLamp(blinking, {true, true});
    EXPECT_EQ(blinking.Tag, 1);
    EXPECT_EQ(steady.Tag, 0);
    BlinkLamp(steady);
    BlinkLamp(blinking);
    EXPECT_EQ(steady.BrushColor(), Lamp::OnColor());
    EXPECT_EQ(blinking.BrushColor(), Lamp::OffColor());
    BlinkLamp(blinking);
    EXPECT_EQ(blinking.BrushColor(), Lamp::OnColor());

    ShowLamp(blinking, {false, true});
    EXPECT_TRUE(blinking.IsOff());
    BlinkLamp(blinking);
    EXPECT_EQ(blinking.BrushColor(), Lamp::OnColor()) << "a blinking lamp that is off lights up";
    ShowLamp(blinking, {false, false});
    BlinkLamp(blinking);
    EXPECT_TRUE(blinking.IsOff()) << "a new status clears the blink flag";
}

} // namespace
