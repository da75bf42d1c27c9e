#include "TestGame.h"

#include <gtest/gtest.h>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
double pick(int position, int outOf) { return (position + 0.5) / outOf; }

std::vector<long> timesOf(const TestGame& game, std::string_view sound)
{
    std::vector<long> times;
    for (const auto& played : game.sounds) {
        if (played.name == sound) {
            times.push_back(played.at);
        }
    }
    return times;
}

// Blue at Level 3 holds 1 and 2; the next card lets Blue complete 1-2-3.
void setUpWinningCard(TestGame& game)
{
    game.shared.boardowner[1] = 1;
    game.shared.boardowner[2] = 1;
    game.load();
    game.dealLevel3CardNext(37);  // a factor of 12
    game.takeCard();
}
} // namespace

TEST(TurnTiming, TheCardIsDealtHalfASecondAfterTakingIt)
{
    TestGame game({2, 2});
    game.load();
    game.drawNext({pick(2, 10), pick(3, 10)});
    game.screen.Label5_Click();
    EXPECT_FALSE(game.controls().Label5.enabled);
    EXPECT_EQ(timesOf(game, sounds::stapler), std::vector<long>{0});
    game.clock.advance(499);
    EXPECT_EQ(game.controls().Label4.caption, "ZORBITAN");
    EXPECT_EQ(game.screen.turnnumber(), -1);
    game.clock.advance(1);
    EXPECT_EQ(game.controls().Label4.caption, "3 x 4");
    EXPECT_EQ(game.screen.turnnumber(), 0);
    EXPECT_FALSE(game.controls().timers[4].enabled);
    // A second click on the disabled button deals nothing more.
    game.screen.Label5_Click();
    game.clock.advance(1000);
    EXPECT_EQ(game.screen.turnnumber(), 0);
}

TEST(TurnTiming, PlacedCounterBlinksFourTimesThenTheTurnPassesAfter510ms)
{
    TestGame game({2, 3});
    game.load();
    game.drawNext({pick(2, 10), pick(3, 10)});
    game.takeCard();
    game.screen.Label1_Click(12);
    const auto& c = game.controls();
    for (int tick = 1; tick <= 8; ++tick) {
        game.clock.advance(250);
        EXPECT_EQ(c.Image1[12].visible, tick % 2 == 0) << "tick " << tick;
    }
    // The win check has run at 2 s: no line, so the pause has begun.
    EXPECT_EQ(game.screen.flashcount(), 0);
    EXPECT_TRUE(c.timers[1].enabled);
    EXPECT_FALSE(c.Label5.enabled);
    game.clock.advance(500);
    EXPECT_FALSE(c.Label4.visible);
    EXPECT_EQ(c.Label2.caption, "Red to Play");
    game.clock.advance(9);
    EXPECT_FALSE(c.Label5.enabled);
    game.clock.advance(1);
    EXPECT_TRUE(c.Label5.enabled);
    EXPECT_TRUE(c.Label4.visible);
    EXPECT_EQ(c.Label4.caption, "ZORBITAN");
    EXPECT_EQ(c.Label4.rect.top, 2160);  // Red plays at Level 3
    for (int t = 1; t <= 5; ++t) {
        EXPECT_FALSE(c.timers.at(t).enabled) << "Timer" << t;
    }
}

TEST(TurnTiming, WrongAnswerWaitsTwoSecondsWithNothingBlinking)
{
    TestGame game({2, 1});
    game.load();
    game.drawNext({pick(2, 10), pick(3, 10)});
    game.takeCard();
    game.screen.Label1_Click(13);
    game.clock.advance(1999);
    EXPECT_TRUE(game.controls().timers[2].enabled);
    for (int n = 1; n <= 100; ++n) {
        ASSERT_FALSE(game.controls().Image1[n].visible);
    }
    game.clock.advance(1);
    EXPECT_TRUE(game.controls().timers[1].enabled);
    game.clock.advance(510);
    EXPECT_EQ(game.controls().Label4.rect.top, 3120);  // Red plays at Level 1
    EXPECT_TRUE(game.controls().Label5.enabled);
}

TEST(TurnTiming, AWinFlashesForFiveSecondsWithFiveKlaxons)
{
    TestGame game({3, 1});
    setUpWinningCard(game);
    const long click = game.clock.now();
    game.screen.Label1_Click(3);
    game.clock.advance(2000);
    ASSERT_EQ(game.screen.winner(), 1);
    const long check = click + 2000;
    const auto& c = game.controls();
    game.clock.advance(250);
    EXPECT_FALSE(c.Label2.visible);
    EXPECT_FALSE(c.Image1[1].visible);
    game.clock.advance(250);
    EXPECT_TRUE(c.Label2.visible);
    EXPECT_TRUE(c.Image1[3].visible);
    game.clock.advance(4500);
    EXPECT_EQ(timesOf(game, sounds::klaxon),
              (std::vector<long>{check, check + 1250, check + 2500, check + 3750, check + 5000}));
    EXPECT_EQ(game.screen.flashcount(), 0);
    EXPECT_TRUE(c.Label2.visible);
    for (const int n : {1, 2, 3}) {
        EXPECT_TRUE(c.Image1[n].visible) << n;
    }
    EXPECT_FALSE(c.Label5.enabled);
    EXPECT_FALSE(c.timers[3].enabled);
}

TEST(TurnTiming, WithSoundOffNothingIsHeard)
{
    TestGame game({3, 1});
    game.shared.soundon = 0;
    setUpWinningCard(game);
    game.screen.Label1_Click(3);
    game.clock.advance(8000);
    ASSERT_EQ(game.screen.winner(), 1);
    EXPECT_TRUE(game.sounds.empty());
}
