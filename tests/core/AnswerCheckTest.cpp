#include "TestGame.h"

#include <algorithm>
#include <gtest/gtest.h>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
double pick(int position, int outOf) { return (position + 0.5) / outOf; }

// Blue and Red at Level 2; the next Level 2 card will be first x second.
void nextLevel2Card(TestGame& game, int first, int second) { game.drawNext({pick(first - 1, 10), pick(second - 1, 10)}); }

int countSounds(const TestGame& game, std::string_view name)
{
    return static_cast<int>(std::ranges::count(game.sounds, name, &TestGame::Sound::name));
}
} // namespace

TEST(AnswerCheck, RightAnswerPutsTheCounterOnTheSquaresColour)
{
    TestGame game({2, 2});
    game.load();
    nextLevel2Card(game, 7, 8);
    game.takeCard();
    EXPECT_EQ(game.controls().Label4.caption, "7 x 8");
    EXPECT_EQ(game.answerSlot(0), " 56");

    game.screen.Label1_Click(56);
    EXPECT_EQ(game.shared.boardowner[56], 1);
    EXPECT_EQ(game.shared.placednumber, 56);
    EXPECT_EQ(game.controls().Image1[56].picture, "counters\\orbl.bmp");
    EXPECT_TRUE(game.controls().Image1[56].visible);
    EXPECT_TRUE(game.controls().timers[2].enabled);
    EXPECT_FALSE(game.controls().Label6.visible);
    EXPECT_FALSE(game.controls().Label10.visible);
    EXPECT_EQ(countSounds(game, sounds::subping), 1);
    EXPECT_EQ(countSounds(game, sounds::boink), 0);
}

TEST(AnswerCheck, RightAnswerTakesANumberFromTheOpponent)
{
    TestGame game({2, 2});
    game.load();
    nextLevel2Card(game, 7, 8);
    game.takeCard();
    game.answer(56);
    game.waitForNextTurn();

    nextLevel2Card(game, 8, 7);
    game.takeCard();
    game.answer(56);
    EXPECT_EQ(game.shared.boardowner[56], 2);
    EXPECT_EQ(game.controls().Image1[56].picture, "counters\\orre.bmp");
    EXPECT_TRUE(game.controls().Image1[56].visible);
}

TEST(AnswerCheck, OwnCounterAgainKeepsItAndTheTurnStillPasses)
{
    TestGame game({2, 2});
    game.load();
    nextLevel2Card(game, 7, 8);
    game.takeCard();
    game.answer(56);
    game.waitForNextTurn();
    nextLevel2Card(game, 1, 1);
    game.takeCard();
    game.answer(2);  // Red is wrong
    game.waitForNextTurn();

    nextLevel2Card(game, 8, 7);
    game.takeCard();
    game.screen.Label1_Click(56);
    EXPECT_EQ(game.shared.boardowner[56], 1);
    EXPECT_EQ(game.controls().Image1[56].picture, "counters\\orbl.bmp");
    EXPECT_TRUE(game.controls().timers[2].enabled);
    game.clock.advance(2000 + 510);
    EXPECT_EQ(game.controls().Label2.caption, "Red to Play");
}

TEST(AnswerCheck, OneOfSeveralAnswersPlacesOneCounter)
{
    TestGame game({3});
    game.load();
    game.dealLevel3CardNext(1);  // a prime number less than 10
    game.takeCard();
    game.screen.Label1_Click(5);
    EXPECT_EQ(game.shared.boardowner[5], 1);
    for (const int other : {2, 3, 7}) {
        EXPECT_EQ(game.shared.boardowner[other], 0) << other;
        EXPECT_FALSE(game.controls().Image1[other].visible) << other;
    }
    EXPECT_EQ(game.controls().Image1[5].picture, "counters\\yebl.bmp");
}

TEST(AnswerCheck, WrongAnswerShowsTheCardsAnswersAndLosesTheTurn)
{
    TestGame game({2, 3});
    game.load();
    nextLevel2Card(game, 7, 8);
    game.takeCard();
    game.screen.Label1_Click(55);
    const auto& c = game.controls();
    EXPECT_EQ(c.Label6.caption, " 56");
    EXPECT_TRUE(c.Label6.visible);
    EXPECT_EQ(c.Label7.caption, "ANSWER");
    EXPECT_TRUE(c.Label7.visible);
    EXPECT_TRUE(c.Label10.visible);
    EXPECT_EQ(c.Label10.caption, "Your answer is incorrect. You have lost your turn.");
    EXPECT_EQ(game.shared.placednumber, 0);
    EXPECT_EQ(game.shared.boardowner[55], 0);
    EXPECT_FALSE(c.Image1[55].visible);
    EXPECT_EQ(countSounds(game, sounds::boink), 1);
    EXPECT_TRUE(c.timers[2].enabled);

    game.clock.advance(2000 + 510);
    EXPECT_EQ(game.controls().Label2.caption, "Red to Play");
    EXPECT_FALSE(game.controls().Label6.visible);
    game.dealLevel3CardNext(1);
    game.takeCard();
    game.screen.Label1_Click(9);
    EXPECT_EQ(game.controls().Label6.caption, "2, 3, 5, 7");
}

TEST(AnswerCheck, ClicksThatMustChangeNothing)
{
    TestGame game({2, 2});
    game.load();

    // Before any card: nothing is shown, heard or started.
    game.screen.Label1_Click(12);
    EXPECT_FALSE(game.controls().Label6.visible);
    EXPECT_FALSE(game.controls().timers[2].enabled);
    EXPECT_TRUE(game.sounds.empty());

    // During the half second of the deal the card is not in play yet.
    nextLevel2Card(game, 3, 4);
    game.screen.Label5_Click();
    game.clock.advance(499);
    game.screen.Label1_Click(12);
    EXPECT_EQ(game.shared.boardowner[12], 0);
    game.clock.advance(1);
    EXPECT_EQ(game.controls().Label4.caption, "3 x 4");

    // During the blink, not even placednumber moves.
    game.screen.Label1_Click(12);
    game.clock.advance(250);
    game.shared.placednumber = 77;
    game.screen.Label1_Click(13);
    EXPECT_EQ(game.shared.placednumber, 77);
    game.shared.placednumber = 12;

    // After the blink, during the pause before the next turn: the card was answered.
    game.clock.advance(1750 + 100);
    game.screen.Image1_Click(12);
    game.screen.Label1_Click(12);
    EXPECT_FALSE(game.controls().timers[2].enabled);
    EXPECT_EQ(game.controls().Label4.caption, "3 x 4");
    game.clock.advance(410);
    EXPECT_TRUE(game.controls().Label5.enabled);

    // The templates are no board numbers.
    game.screen.Label5_Click();
    game.clock.advance(500);
    game.screen.Label1_Click(0);
    game.screen.Image1_Click(101);
    EXPECT_FALSE(game.controls().timers[2].enabled);
}

TEST(AnswerCheck, ACounterPictureAnswersAsItsNumber)
{
    TestGame game({2, 2});
    game.load();
    nextLevel2Card(game, 7, 8);
    game.takeCard();
    game.answer(56);
    game.waitForNextTurn();
    nextLevel2Card(game, 8, 7);
    game.takeCard();
    game.screen.Image1_Click(56);
    EXPECT_EQ(game.shared.boardowner[56], 2);
}
