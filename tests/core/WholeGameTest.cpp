// Whole games from the first card to the win, for one to four players at mixed levels.

#include "TestGame.h"

#include <gtest/gtest.h>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
struct GamePlan {
    std::vector<Integer> levels;
    int winner; // 0-based; plays at Level 3 and aims for 1-2-3 with the factors of 12
    std::uint64_t seed;
};

struct Result {
    int cards = 0;
    int rightAnswers = 0;
};

// Everyone else answers their own card rightly two turns in three and wrongly the third.
Result playToTheEnd(TestGame& game, const GamePlan& plan)
{
    Result result;
    const int players = static_cast<int>(plan.levels.size());
    const int winnerCode = plan.winner + 1;
    game.load();
    while (game.screen.winner() == 0 && result.cards < 200) {
        const int k = result.cards % players;
        EXPECT_EQ(game.controls().Label2.caption, std::string(playerAtIndex(k).name) + " to Play");
        EXPECT_TRUE(game.controls().Label5.enabled);
        EXPECT_EQ(game.shared.currentlevel, plan.levels.at(static_cast<std::size_t>(k)));
        if (k == plan.winner) {
            game.dealLevel3CardNext(37);
        }
        game.takeCard();
        ++result.cards;
        EXPECT_EQ(game.screen.turnnumber(), result.cards - 1);
        EXPECT_EQ(game.screen.turnnumber() % players, k) << "the card went to the wrong player";

        int choice = 0;
        const int answer = answerValue(game.answerSlot(0));
        if (k == plan.winner) {
            for (const int n : {1, 2, 3}) {
                if (choice == 0 && game.shared.boardowner[n] != winnerCode) {
                    choice = n;
                }
            }
        } else {
            choice = result.cards % 3 == 0 ? (answer == 100 ? 99 : 100) : answer;
        }
        const std::array<Integer, 101> before = game.shared.boardowner;
        game.answer(choice);
        const bool right = choice == answer || k == plan.winner;
        result.rightAnswers += right ? 1 : 0;
        for (int n = 1; n <= 100; ++n) {
            const int expected = (right && n == choice) ? k + 1 : before.at(n);
            EXPECT_EQ(game.shared.boardowner[n], expected) << "number " << n;
        }
        if (game.screen.winner() == 0) {
            game.waitForNextTurn();
        }
    }
    return result;
}
} // namespace

class WholeGame : public ::testing::TestWithParam<GamePlan> {};

TEST_P(WholeGame, PlaysThroughToTheWinnersLine)
{
    const GamePlan& plan = GetParam();
    TestGame game(plan.levels, plan.seed);
    const Result result = playToTheEnd(game, plan);
    ASSERT_EQ(game.screen.winner(), plan.winner + 1);
    EXPECT_EQ(game.screen.winningline(), (BoardLine{1, 2, 3}));
    // The winner needs three turns of their own.
    EXPECT_GE(result.cards, 2 * static_cast<int>(plan.levels.size()) + plan.winner + 1);
    game.clock.advance(5000);
    EXPECT_FALSE(game.controls().Label5.enabled);
    EXPECT_TRUE(game.controls().Label2.visible);
}

INSTANTIATE_TEST_SUITE_P(Players, WholeGame,
                         ::testing::Values(GamePlan{{3}, 0, 11}, GamePlan{{3, 1}, 0, 12}, GamePlan{{2, 1, 3}, 2, 13},
                                           GamePlan{{1, 3, 2, 1}, 1, 14}),
                         [](const ::testing::TestParamInfo<GamePlan>& info) {
                             return std::to_string(info.param.levels.size()) + "Players" +
                                    std::string(playerAtIndex(info.param.winner).name) + "Wins";
                         });
