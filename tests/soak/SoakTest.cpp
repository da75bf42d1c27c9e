// Thousands of games played by a random hand: clicks right and wrong, on numbers and on
// counters, during the blink and after the win, with time passing in random steps. After
// every event the game must still make sense. ZORBITAN_SOAK_GAMES sets how many games.

#include "Lines.h"
#include "TestGame.h"

#include <algorithm>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
int gamesToPlay()
{
    const char* wanted = std::getenv("ZORBITAN_SOAK_GAMES");
    return wanted != nullptr ? std::max(1, std::atoi(wanted)) : 2000;
}

struct Tally {
    int events = 0;
    int counters = 0;
    int wins = 0;
};

class SoakedGame {
public:
    SoakedGame(std::uint64_t seed, std::mt19937_64& hand, Tally& tally)
        : hand_(hand), tally_(tally), game_(randomLevels(), seed)
    {
        game_.load();
    }

    // Plays until someone wins (and the flash is over) or the events run out.
    void play()
    {
        for (int event = 0; event < 1500 && !(game_.screen.winner() != 0 && !timerRuns(3)); ++event) {
            const auto before = game_.shared.boardowner;
            const int number = playOneEvent();
            check(before, number);
            if (::testing::Test::HasFailure()) {
                return;
            }
            ++tally_.events;
        }
        tally_.wins += game_.screen.winner() != 0 ? 1 : 0;
    }

private:
    std::vector<Integer> randomLevels()
    {
        std::vector<Integer> levels(static_cast<std::size_t>(pick(1, 4)));
        for (Integer& level : levels) {
            level = static_cast<Integer>(pick(1, 3));
        }
        return levels;
    }

    int pick(int first, int last) { return std::uniform_int_distribution<int>(first, last)(hand_); }
    bool timerRuns(int t) const { return game_.controls().timers.at(t).enabled; }
    bool cardInPlay() const { return game_.answerSlot(0) != "x"; }

    // Returns the number clicked, or 0 when the event was no click on the board.
    int playOneEvent()
    {
        switch (pick(0, 5)) {
        case 0: game_.screen.Label5_Click(); return 0;
        case 1: game_.clock.advance(pick(1, 700)); return 0;
        case 2: game_.clock.advance(pick(2000, 2600)); return 0;
        default: break;
        }
        int number = pick(1, 100);
        if (cardInPlay() && pick(0, 1) == 0) {
            std::vector<int> answers;
            for (int slot = 0; slot < 6; ++slot) {
                if (const int value = answerValue(game_.answerSlot(slot)); value > 0) {
                    answers.push_back(value);
                }
            }
            number = answers.at(static_cast<std::size_t>(pick(0, static_cast<int>(answers.size()) - 1)));
        }
        acceptsAnswer_ = cardInPlay() && !timerRuns(2) && game_.screen.winner() == 0 && !answered_;
        holder_ = playerIndexOf(game_.screen.turnnumber());
        const bool right = isAnswer(number);
        pick(0, 1) == 0 ? game_.screen.Label1_Click(number) : game_.screen.Image1_Click(number);
        if (acceptsAnswer_) {
            answered_ = true;
        }
        return right ? number : -number;
    }

    int playerIndexOf(int turn) const { return turn % game_.shared.numberofplayers; }

    bool isAnswer(int number) const
    {
        for (int slot = 0; slot < 6; ++slot) {
            if (answerValue(game_.answerSlot(slot)) == number) {
                return true;
            }
        }
        return false;
    }

    void check(const std::array<Integer, 101>& before, int clicked)
    {
        const auto& c = game_.controls();
        const auto& owners = game_.shared.boardowner;
        if (c.Label4.caption != cardBack && c.Label4.caption.empty() == false && !cardInPlay()) {
            ADD_FAILURE() << "a card shows with no answers: " << c.Label4.caption;
        }
        if (!cardInPlay()) {
            answered_ = false;
        }
        // Exactly one counter per accepted right answer, none otherwise.
        int changed = 0;
        for (int n = 1; n <= 100; ++n) {
            ASSERT_GE(owners[n], 0);
            ASSERT_LE(owners[n], game_.shared.numberofplayers) << "a counter of a player not in the game";
            changed += owners[n] != before[n] ? 1 : 0;
        }
        if (clicked > 0 && acceptsAnswer_) {
            ASSERT_EQ(owners[clicked], holder_ + 1) << "the counter went to the wrong player";
            ASSERT_LE(changed, 1);
            ++tally_.counters;
        } else {
            ASSERT_EQ(changed, 0) << "the board changed without an accepted right answer";
        }
        acceptsAnswer_ = false;
        // The announced line is the winner's own three in a row.
        if (const int winner = game_.screen.winner(); winner != 0) {
            const BoardLine& line = game_.screen.winningline();
            ASSERT_NE(std::find(allLines().begin(), allLines().end(), line), allLines().end());
            for (const int n : line) {
                ASSERT_EQ(owners[n], winner);
            }
        }
        // "Take a card" is enabled exactly when a card may be taken, for the player named.
        const bool between = game_.screen.winner() == 0 && !cardInPlay() && !timerRuns(1) && !timerRuns(2) &&
                             !timerRuns(3) && !timerRuns(4) && !timerRuns(5);
        ASSERT_EQ(c.Label5.enabled, between);
        if (between) {
            const int next = playerIndexOf(game_.screen.turnnumber() + 1);
            ASSERT_EQ(c.Label2.caption, std::string(playerAtIndex(next).name) + " to Play");
        }
        // Outside the blinks every counter shows, in its square's colour.
        if (!timerRuns(2) && !timerRuns(3)) {
            for (int n = 1; n <= 100; ++n) {
                if (owners[n] > 0) {
                    ASSERT_TRUE(c.Image1[n].visible) << n;
                    ASSERT_EQ(c.Image1[n].picture, counterPicturePath(squareColourInfo(designedSquareColour(n)).prefix,
                                                                      playerAtIndex(owners[n] - 1).prefix));
                }
            }
        }
    }

    std::mt19937_64& hand_;
    Tally& tally_;
    TestGame game_;
    bool acceptsAnswer_ = false;
    bool answered_ = false;
    int holder_ = 0;
};
} // namespace

TEST(Soak, ThousandsOfRandomGamesKeepTheirRules)
{
    const int games = gamesToPlay();
    std::mt19937_64 hand(20261206);
    Tally tally;
    for (int g = 0; g < games; ++g) {
        SoakedGame game(static_cast<std::uint64_t>(g), hand, tally);
        game.play();
        ASSERT_FALSE(::testing::Test::HasFailure()) << "game " << g;
    }
    std::printf("soak: %d games, %d events, %d counters placed, %d won\n", games, tally.events, tally.counters,
                tally.wins);
    EXPECT_GT(tally.wins, games / 5) << "too few games reached a win to test what follows one";
}
