#include "TestGame.h"

#include <gtest/gtest.h>

using namespace zorbitan;
using zorbitan::testing::TestGame;

TEST(TurnTiming, TheCardIsDealtHalfASecondAfterTakingItAndOnlyOnce)
{
    TestGame game({2, 2});
    game.load();
    game.dealLevel2CardNext(3, 4);
    game.screen.Label5_Click();
    EXPECT_FALSE(game.controls().Label5.enabled);
    EXPECT_EQ(game.played(sounds::stapler), 1);
    game.clock.advance(499);
    EXPECT_EQ(game.screen.turnnumber(), -1);
    game.clock.advance(1);
    EXPECT_EQ(game.controls().Label4.caption, "3 x 4");
    EXPECT_EQ(game.screen.turnnumber(), 0);
    game.screen.Label5_Click();
    game.clock.advance(1000);
    EXPECT_EQ(game.screen.turnnumber(), 0);
}

TEST(TurnTiming, PlacedCounterBlinksFourTimesThenTheTurnPassesAfter510ms)
{
    TestGame game({2, 3});
    game.load();
    game.dealLevel2CardNext(3, 4);
    game.takeCard();
    game.screen.Label1_Click(12);
    const auto& c = game.controls();
    for (int tick = 1; tick <= 8; ++tick) {
        game.clock.advance(250);
        EXPECT_EQ(c.Image1[12].visible, tick % 2 == 0) << "tick " << tick;
    }
    EXPECT_TRUE(c.timers[1].enabled); // the check found no line
    game.clock.advance(509);
    EXPECT_FALSE(c.Label5.enabled);
    EXPECT_EQ(c.Label2.caption, "Red to Play");
    game.clock.advance(1);
    EXPECT_TRUE(c.Label5.enabled && c.Label4.visible);
    EXPECT_EQ(c.Label4.caption, "ZORBITAN");
    EXPECT_EQ(c.Label4.rect.top, 2160); // Red plays at Level 3
    for (int t = 1; t <= 5; ++t) {
        EXPECT_FALSE(c.timers.at(t).enabled) << "Timer" << t;
    }
}
