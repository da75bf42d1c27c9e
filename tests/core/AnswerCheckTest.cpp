#include "TestGame.h"

#include <gtest/gtest.h>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
// Blue answers 7 x 8 on 56; then Red takes a card (8 x 7) with 56 held by Blue.
void blueTakes56ThenRedHasACard(TestGame& game)
{
    game.load();
    game.dealLevel2CardNext(7, 8);
    game.takeCard();
    game.answer(56);
    game.waitForNextTurn();
    game.dealLevel2CardNext(8, 7);
    game.takeCard();
}
} // namespace

TEST(AnswerCheck, RightAnswerPutsTheCounterOnTheSquaresColour)
{
    TestGame game({2, 2});
    game.load();
    game.dealLevel2CardNext(7, 8);
    game.takeCard();
    EXPECT_EQ(game.controls().Label4.caption, "7 x 8");
    game.screen.Label1_Click(56);
    EXPECT_EQ(game.shared.boardowner[56], 1);
    EXPECT_EQ(game.shared.placednumber, 56);
    EXPECT_EQ(game.controls().Image1[56].picture, "counters\\orbl.bmp");
    EXPECT_TRUE(game.controls().Image1[56].visible);
    EXPECT_TRUE(game.controls().timers[2].enabled);
    EXPECT_FALSE(game.controls().Label6.visible);
    EXPECT_EQ(game.played(sounds::subping), 1);
    EXPECT_EQ(game.played(sounds::boink), 0);
}

TEST(AnswerCheck, ACounterOrItsNumberTakesTheNumberFromTheOpponent)
{
    TestGame game({2, 2});
    blueTakes56ThenRedHasACard(game);
    game.screen.Image1_Click(56);
    EXPECT_EQ(game.shared.boardowner[56], 2);
    EXPECT_EQ(game.controls().Image1[56].picture, "counters\\orre.bmp");
}

TEST(AnswerCheck, OwnCounterAgainStaysAndTheTurnStillPasses)
{
    TestGame game({2, 2});
    blueTakes56ThenRedHasACard(game);
    game.answer(55);
    game.waitForNextTurn();
    game.dealLevel2CardNext(8, 7);
    game.takeCard();
    game.screen.Label1_Click(56);
    EXPECT_EQ(game.shared.boardowner[56], 1);
    EXPECT_TRUE(game.controls().timers[2].enabled);
    game.clock.advance(2510);
    EXPECT_EQ(game.controls().Label2.caption, "Red to Play");
}

TEST(AnswerCheck, OneOfSeveralAnswersPlacesOneCounter)
{
    TestGame game({3});
    game.load();
    game.dealLevel3CardNext(1); // a prime number less than 10
    game.takeCard();
    game.screen.Label1_Click(5);
    EXPECT_EQ(game.shared.boardowner[5], 1);
    EXPECT_EQ(game.shared.boardowner[2] + game.shared.boardowner[3] + game.shared.boardowner[7], 0);
    EXPECT_EQ(game.controls().Image1[5].picture, "counters\\yebl.bmp");
}

TEST(AnswerCheck, WrongAnswerShowsTheCardsAnswersAndChangesNothing)
{
    TestGame game({2, 3});
    game.load();
    game.dealLevel2CardNext(7, 8);
    game.takeCard();
    game.screen.Label1_Click(55);
    const auto& c = game.controls();
    EXPECT_EQ(c.Label6.caption, " 56");
    EXPECT_TRUE(c.Label6.visible && c.Label7.visible && c.Label10.visible);
    EXPECT_EQ(c.Label7.caption, "ANSWER");
    EXPECT_EQ(game.shared.placednumber, 0);
    EXPECT_EQ(game.shared.boardowner[55], 0);
    EXPECT_EQ(game.played(sounds::boink), 1);
    EXPECT_TRUE(c.timers[2].enabled);
    game.clock.advance(2510);
    EXPECT_FALSE(c.Label6.visible || c.Label7.visible || c.Label10.visible);
    game.dealLevel3CardNext(1);
    game.takeCard();
    game.screen.Label1_Click(9);
    EXPECT_EQ(c.Label6.caption, "2, 3, 5, 7");
}

// Before the card, during the deal and the blink, after the card was answered and for
// the templates: a click changes nothing.
TEST(AnswerCheck, ClicksThatMustChangeNothing)
{
    TestGame game({2, 2});
    game.load();
    game.screen.Label1_Click(12);
    EXPECT_FALSE(game.controls().Label6.visible || game.controls().timers[2].enabled);
    EXPECT_TRUE(game.sounds.empty());

    game.dealLevel2CardNext(3, 4);
    game.screen.Label5_Click();
    game.clock.advance(499);
    game.screen.Label1_Click(12);
    EXPECT_EQ(game.shared.boardowner[12], 0);
    game.clock.advance(1);

    game.screen.Label1_Click(12);
    game.clock.advance(250);
    game.shared.placednumber = 77;
    game.screen.Label1_Click(13);
    EXPECT_EQ(game.shared.placednumber, 77);
    game.shared.placednumber = 12;

    game.clock.advance(1850); // the blink is over, the pause has begun
    game.screen.Label1_Click(12);
    game.screen.Label1_Click(0);
    game.screen.Image1_Click(101);
    EXPECT_FALSE(game.controls().timers[2].enabled);
    EXPECT_EQ(game.played(sounds::subping), 1);
}
