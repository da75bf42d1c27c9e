#include "TestGame.h"

#include <gtest/gtest.h>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
// One whole turn with a wrong answer, which changes nothing on the board.
void playWrongTurn(TestGame& game)
{
    game.takeCard();
    game.answer(answerValue(game.answerSlot(0)) == 100 ? 99 : 100);
    game.waitForNextTurn();
}
} // namespace

TEST(TurnSequence, FourPlayersTakeTurnsInTheirColours)
{
    TestGame game({1, 1, 1, 1});
    game.load();
    struct Expected {
        const char* caption;
        Rgb turnLine;
        Rgb title;
        Rgb buttons;
    };
    const Expected turns[] = {
        {"Blue to Play", colours::blue, colours::blue, colours::buttonBlue},  // as loaded
        {"Red to Play", colours::black, colours::black, colours::red},
        {"Green to Play", colours::green, colours::green, colours::green},
        {"Yellow to Play", colours::yellow, colours::yellow, colours::yellow},
        {"Blue to Play", colours::blue, colours::blue, colours::blue},
    };
    for (const Expected& expected : turns) {
        const auto& c = game.controls();
        EXPECT_EQ(c.Label2.caption, expected.caption);
        EXPECT_EQ(c.Label2.foreColor, expected.turnLine) << expected.caption;
        EXPECT_EQ(c.Label9.foreColor, expected.title) << expected.caption;
        EXPECT_EQ(c.Label5.foreColor, expected.buttons) << expected.caption;
        EXPECT_EQ(c.Label3[0].foreColor, expected.buttons) << expected.caption;
        EXPECT_EQ(c.Label3[1].foreColor, expected.buttons) << expected.caption;
        playWrongTurn(game);
    }
}

TEST(TurnSequence, ThreePlayersWrapAroundAndCountEveryCard)
{
    TestGame game({2, 2, 2});
    game.load();
    const char* names[] = {"Blue", "Red", "Green", "Blue", "Red", "Green", "Blue"};
    for (int turn = 0; turn < 7; ++turn) {
        EXPECT_EQ(game.controls().Label2.caption, std::string(names[turn]) + " to Play");
        EXPECT_EQ(game.screen.turnnumber(), turn - 1);
        playWrongTurn(game);
        EXPECT_EQ(game.screen.turnnumber(), turn);
    }
}

TEST(TurnSequence, OnePlayerAlwaysPlaysBlue)
{
    TestGame game({2});
    game.load();
    for (int turn = 0; turn < 3; ++turn) {
        playWrongTurn(game);
        EXPECT_EQ(game.controls().Label2.caption, "Blue to Play");
        EXPECT_EQ(game.controls().Label11.caption, "Level 2");
    }
}

TEST(TurnSequence, EachPlayersLevelStylesTheCardAndMovesItsFace)
{
    TestGame game({3, 1});
    game.load();
    EXPECT_EQ(game.controls().Label4.rect.top, 2160);
    EXPECT_EQ(game.shared.currentlevel, 3);
    playWrongTurn(game);
    // Red at Level 1: the pause put the face back at 3120 and it stays there.
    EXPECT_EQ(game.controls().Label4.rect.top, 3120);
    EXPECT_EQ(game.controls().Shape4.fillColor, colours::yellow);
    EXPECT_EQ(game.controls().Label11.caption, "Level 1");
    EXPECT_EQ(game.shared.currentlevel, 1);
    EXPECT_EQ(game.controls().Label4.caption, "ZORBITAN");
    playWrongTurn(game);
    EXPECT_EQ(game.controls().Label4.rect.top, 2160);
    EXPECT_EQ(game.controls().Shape4.fillColor, colours::blue);
    EXPECT_EQ(game.shared.currentlevel, 3);
}

TEST(TurnSequence, PlayerWithoutALevelGetsNoCardAndPlayStops)
{
    TestGame game({2, 0});
    game.load();
    playWrongTurn(game);
    EXPECT_EQ(game.controls().Label2.caption, "Red to Play");
    // No style for Red: the card keeps Blue's look and level.
    EXPECT_EQ(game.shared.currentlevel, 2);
    EXPECT_EQ(game.controls().Label11.caption, "Level 2");

    game.shared.currentlevel = 0;
    game.takeCard();
    EXPECT_EQ(game.screen.turnnumber(), 1);
    EXPECT_EQ(game.answerSlot(0), "x");
    EXPECT_EQ(game.controls().Label4.caption, "ZORBITAN");
    game.answer(5);
    game.clock.advance(5000);
    EXPECT_FALSE(game.controls().Label5.enabled);
    EXPECT_EQ(game.shared.boardowner[5], 0);
}

TEST(TurnSequence, RestoredGameRedrawsItsCountersAndNamesThePlayerToPlay)
{
    TestGame game({1, 2});
    game.shared.restartgame = 1;
    game.shared.savedturn = 4;
    game.shared.boardowner[55] = 2;
    game.shared.boardowner[12] = 1;
    // Three of Blue's in a row: no win is announced until someone answers.
    game.shared.boardowner[1] = game.shared.boardowner[2] = game.shared.boardowner[3] = 1;
    game.load();
    const auto& c = game.controls();
    EXPECT_EQ(c.Image1[55].picture, "counters\\blre.bmp");
    EXPECT_TRUE(c.Image1[55].visible);
    EXPECT_EQ(c.Image1[12].picture, "counters\\yebl.bmp");
    EXPECT_TRUE(c.Image1[12].visible);
    EXPECT_FALSE(c.Image1[13].visible);
    // The saved turn 4 was Blue's card: Red is next, at Level 2.
    EXPECT_EQ(c.Label2.caption, "Red to Play");
    EXPECT_EQ(c.Label2.foreColor, colours::black);
    EXPECT_EQ(c.Label9.foreColor, colours::black);
    EXPECT_EQ(c.Shape4.fillColor, colours::purple);
    EXPECT_EQ(c.Label4.rect.top, 3120);
    EXPECT_EQ(game.shared.currentlevel, 2);
    EXPECT_EQ(game.screen.winner(), 0);
    EXPECT_TRUE(c.timers[5].enabled);
    game.clock.advance(10);
    EXPECT_TRUE(game.controls().Label5.enabled);
    game.takeCard();
    EXPECT_EQ(game.screen.turnnumber(), 5);
}

// "Take a card" is enabled from the moment a restored game opens; a card taken at once
// must not find the button enabled again while it is dealt.
TEST(TurnSequence, ACardTakenAtOnceInARestoredGameIsTheOnlyCard)
{
    TestGame game({2, 2});
    game.shared.restartgame = 1;
    game.shared.savedturn = 3;
    game.load();
    game.screen.Label5_Click();
    game.clock.advance(10);
    EXPECT_FALSE(game.controls().Label5.enabled);
    game.clock.advance(490);
    EXPECT_EQ(game.screen.turnnumber(), 4);
    EXPECT_FALSE(game.controls().Label5.enabled);
    EXPECT_NE(game.controls().Label4.caption, "ZORBITAN");
}
