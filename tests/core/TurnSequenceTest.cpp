#include "TestGame.h"

#include <gtest/gtest.h>

using namespace zorbitan;
using zorbitan::testing::TestGame;

TEST(TurnSequence, FourPlayersTakeTurnsInTheirColours)
{
    TestGame game({1, 1, 1, 1});
    game.load();
    struct Expected {
        const char* caption;
        Rgb turnLine;
        Rgb buttons;
    };
    const Expected turns[] = {
        {"Blue to Play", colours::blue, colours::buttonBlue}, // as loaded
        {"Red to Play", colours::black, colours::red},        {"Green to Play", colours::green, colours::green},
        {"Yellow to Play", colours::yellow, colours::yellow}, {"Blue to Play", colours::blue, colours::blue},
    };
    for (const Expected& expected : turns) {
        const auto& c = game.controls();
        EXPECT_EQ(c.Label2.caption, expected.caption);
        EXPECT_EQ(c.Label2.foreColor, expected.turnLine) << expected.caption;
        EXPECT_EQ(c.Label9.foreColor, expected.turnLine) << expected.caption;
        for (const Label* button : {&c.Label5, &c.Label3[0], &c.Label3[1]}) {
            EXPECT_EQ(button->foreColor, expected.buttons) << expected.caption;
        }
        game.playWrongTurn();
    }
}

TEST(TurnSequence, EachPlayersLevelStylesTheCardAndMovesItsFace)
{
    TestGame game({3, 1});
    game.load();
    EXPECT_EQ(game.controls().Label4.rect.top, 2160);
    game.playWrongTurn();
    EXPECT_EQ(game.controls().Label4.rect.top, 3120);
    EXPECT_EQ(game.controls().Shape4.fillColor, colours::yellow);
    EXPECT_EQ(game.shared.currentlevel, 1);
    game.playWrongTurn();
    EXPECT_EQ(game.controls().Label4.rect.top, 2160);
    EXPECT_EQ(game.shared.currentlevel, 3);
}

TEST(TurnSequence, PlayerWithoutALevelGetsNoCardAndPlayStops)
{
    TestGame game({2, 0});
    game.load();
    game.playWrongTurn();
    EXPECT_EQ(game.shared.currentlevel, 2); // Red has no style: Blue's stays
    game.shared.currentlevel = 0;
    game.takeCard();
    EXPECT_EQ(game.screen.turnnumber(), 1);
    EXPECT_EQ(game.answerSlot(0), "x");
    game.answer(5);
    game.clock.advance(5000);
    EXPECT_FALSE(game.controls().Label5.enabled);
}

TEST(TurnSequence, RestoredGameRedrawsItsCountersAndNamesThePlayerToPlay)
{
    TestGame game({1, 2});
    game.shared.restartgame = 1;
    game.shared.savedturn = 4;
    game.shared.boardowner[55] = 2;
    game.shared.boardowner[1] = game.shared.boardowner[2] = game.shared.boardowner[12] = 1;
    game.load();
    const auto& c = game.controls();
    EXPECT_EQ(c.Image1[55].picture, "counters\\blre.bmp");
    EXPECT_EQ(c.Image1[12].picture, "counters\\yebl.bmp");
    EXPECT_TRUE(c.Image1[55].visible && c.Image1[12].visible);
    EXPECT_FALSE(c.Image1[13].visible);
    EXPECT_EQ(c.Label2.caption, "Red to Play");
    EXPECT_EQ(c.Label2.foreColor, colours::black);
    EXPECT_EQ(c.Shape4.fillColor, colours::purple);
    EXPECT_EQ(game.shared.currentlevel, 2);

    // "Take a card" is enabled from the start: a card taken at once is the only card.
    game.screen.Label5_Click();
    game.clock.advance(10);
    EXPECT_FALSE(c.Label5.enabled);
    game.clock.advance(490);
    EXPECT_EQ(game.screen.turnnumber(), 5);
    EXPECT_NE(c.Label4.caption, "ZORBITAN");
}

// The 16-bit turn counter never wraps: at its top no card is dealt, and the game is no
// longer worth keeping, so an earlier saved game stays.
TEST(TurnSequence, TheTurnCounterStopsAtItsTop)
{
    TestGame game({1, 1, 1});
    game.shared.restartgame = 1;
    game.shared.savedturn = 32766;
    game.load();
    EXPECT_TRUE(game.screen.worthKeeping());
    game.playWrongTurn();
    EXPECT_EQ(game.screen.turnnumber(), 32767);
    EXPECT_FALSE(game.screen.worthKeeping());
    EXPECT_EQ(game.controls().Label2.caption, "Green to Play"); // 32767 Mod 3 was Red's card
    EXPECT_FALSE(game.controls().Label5.enabled);
    game.screen.Label5_Click();
    game.clock.advance(1000);
    EXPECT_EQ(game.screen.turnnumber(), 32767);
}
