#include "Lines.h"
#include "TestGame.h"

#include <gtest/gtest.h>
#include <set>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
std::optional<BoardLine> lineOf(std::initializer_list<int> numbers, int owner = 1)
{
    std::array<Integer, 101> owners{};
    for (const int n : numbers) {
        owners.at(n) = static_cast<Integer>(owner);
    }
    return lastLineHeldBy(owners, owner);
}
} // namespace

TEST(Lines, TheBoardHas288LinesThatNeverWrap)
{
    std::set<BoardLine> distinct;
    for (const BoardLine& line : allLines()) {
        for (const int n : line) {
            ASSERT_TRUE(board::isBoardNumber(n));
        }
        const int rowStep = board::rowOf(line[1]) - board::rowOf(line[0]);
        const int columnStep = board::columnOf(line[1]) - board::columnOf(line[0]);
        EXPECT_EQ(board::rowOf(line[2]) - board::rowOf(line[1]), rowStep);
        EXPECT_EQ(board::columnOf(line[2]) - board::columnOf(line[1]), columnStep);
        EXPECT_LE(std::abs(columnStep), 1);
        EXPECT_LE(rowStep, 1);
        distinct.insert(line);
    }
    EXPECT_EQ(distinct.size(), 288U);
}

TEST(Lines, RowsColumnsAndDiagonalsWinAndNothingElse)
{
    EXPECT_EQ(lineOf({8, 9, 10}), (BoardLine{8, 9, 10}));
    EXPECT_FALSE(lineOf({9, 10, 11}));
    EXPECT_EQ(lineOf({1, 11, 21}), (BoardLine{1, 11, 21}));
    EXPECT_EQ(lineOf({71, 81, 91}), (BoardLine{71, 81, 91}));
    EXPECT_EQ(lineOf({1, 12, 23}), (BoardLine{1, 12, 23}));
    EXPECT_EQ(lineOf({3, 12, 21}), (BoardLine{3, 12, 21}));
    EXPECT_EQ(lineOf({10, 19, 28}), (BoardLine{10, 19, 28}));
    EXPECT_FALSE(lineOf({2, 11, 20}));
    EXPECT_FALSE(lineOf({1, 3, 5, 21, 41}));
    EXPECT_EQ(lineOf({98, 99, 100}, 4), (BoardLine{98, 99, 100}));
}

TEST(Lines, TheLastLineFoundIsTheOneKept)
{
    EXPECT_EQ(lineOf({1, 2, 3, 4}), (BoardLine{2, 3, 4}));
    // A row and a column completed by one counter: the column scan comes later.
    EXPECT_EQ(lineOf({1, 2, 3, 13, 23}), (BoardLine{3, 13, 23}));
}

TEST(Lines, CountersOfTwoPlayersMakeNoLine)
{
    std::array<Integer, 101> owners{};
    owners[1] = 1;
    owners[2] = 2;
    owners[3] = 1;
    EXPECT_FALSE(lastLineHeldBy(owners, 1));
    EXPECT_FALSE(lastLineHeldBy(owners, 2));
}

namespace {
// Gives player `winner` (0-based, at Level 3) the line 1-2-3 over three of their turns;
// everyone else answers wrongly.
void winWithFactorsOfTwelve(TestGame& game, int winner)
{
    int placed = 0;
    for (int turn = 0; placed < 3 && turn < 40; ++turn) {
        const int k = (game.screen.turnnumber() + 1) % game.shared.numberofplayers;
        if (k == winner) {
            game.dealLevel3CardNext(37);  // a factor of 12
            game.takeCard();
            game.answer(++placed);
        } else {
            game.takeCard();
            game.answer(answerValue(game.answerSlot(0)) == 100 ? 99 : 100);
        }
        if (game.screen.winner() == 0) {
            game.waitForNextTurn();
        }
    }
}
} // namespace

TEST(EndOfGame, EachWinnerIsAnnouncedInTheirColour)
{
    struct Expected {
        int winner;
        const char* message;
        Rgb colour;
    };
    const Expected winners[] = {
        {0, "BLUE HAS WON!", colours::blue},
        {1, "RED HAS WON!", colours::black},
        {2, "GREEN HAS WON!", colours::green},
        {3, "YELLOW HAS WON!", colours::yellow},
    };
    for (const Expected& expected : winners) {
        TestGame game({3, 3, 3, 3});
        game.load();
        winWithFactorsOfTwelve(game, expected.winner);
        EXPECT_EQ(game.screen.winner(), expected.winner + 1);
        EXPECT_EQ(game.controls().Label2.caption, expected.message);
        EXPECT_EQ(game.controls().Label2.foreColor, expected.colour);
        EXPECT_EQ(game.screen.winningline(), (BoardLine{1, 2, 3}));
        EXPECT_TRUE(game.controls().timers[3].enabled);
        EXPECT_FALSE(game.controls().timers[1].enabled);
    }
}

TEST(EndOfGame, NothingMovesAfterAWin)
{
    TestGame game({3, 1});
    game.load();
    winWithFactorsOfTwelve(game, 0);
    ASSERT_EQ(game.screen.winner(), 1);
    game.clock.advance(60000);
    const auto& c = game.controls();
    EXPECT_FALSE(c.Label5.enabled);
    EXPECT_EQ(c.Label2.caption, "BLUE HAS WON!");
    game.screen.Label5_Click();
    game.screen.Label1_Click(4);
    game.screen.Image1_Click(1);
    for (int t = 1; t <= 5; ++t) {
        EXPECT_FALSE(c.timers.at(t).enabled) << "Timer" << t;
    }
    EXPECT_EQ(game.shared.boardowner[4], 0);
}
