// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game screen as a model, played in virtual time: the timed steps, the win, a
// restored game, random play.

#include "Lines.h"
#include "TestGame.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <random>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
// The winner (0-based, at Level 3) completes 1-2-3 with "a factor of 12"; everyone else,
// playing in turn from Blue, answers wrongly.
void winWithFactorsOfTwelve(TestGame& game, int winner)
{
    game.load();
    for (int turn = 0, placed = 0; placed < 3; ++turn) {
        if (turn % game.shared.numberofplayers != winner) {
            game.playWrongTurn();
            continue;
        }
        game.random.draw({{36, 60}});
        game.takeCard();
        game.answer(++placed);
        game.clock.advance(game.screen.winner() == 0 ? 510 : 0);
    }
}

// Whether the player holds three in a line, square by square: a step right, down,
// down-right or down-left, twice, never leaving the board's ten columns.
bool holdsALine(const std::array<Integer, 101>& owners, int player)
{
    for (int n = 1; n <= 100; ++n) {
        for (const auto& [across, down] : {std::pair{1, 0}, {0, 1}, {1, 1}, {-1, 1}}) {
            const int step = across + 10 * down;
            const int column = (n - 1) % 10 + 2 * across;
            if (column >= 0 && column < 10 && n + 2 * step <= 100 && owners[n] == player &&
                owners[n + step] == player && owners[n + 2 * step] == player) {
                return true;
            }
        }
    }
    return false;
}
} // namespace

// The card comes 500 ms after "Take a card", the counter blinks four times, the next card
// waits 510 ms after the check. (Clicks at other times are the random play's.)
TEST(GameScreen, TheTimedStepsOfATurn)
{
    TestGame game({2, 3});
    game.load();
    game.random.draw({{2, 10}, {3, 10}}); // 3 x 4
    game.screen.Label5_Click();
    const auto& s = game.controls();
    game.clock.advance(499);
    EXPECT_TRUE(game.screen.turnnumber() == -1 && !s.Label5.enabled);
    game.clock.advance(1);
    EXPECT_TRUE(s.Label4.caption == "%1 x %2" && s.Label4.numbers == (std::vector{3, 4}));
    game.screen.Label1_Click(12);
    for (int tick = 1; tick <= 8; ++tick) {
        EXPECT_EQ(s.Image1[12].visible, tick % 2 == 1) << "tick " << tick;
        game.clock.advance(250);
    }
    EXPECT_TRUE(s.Image1[12].visible && !s.timers[2].enabled);
    game.clock.advance(509);
    EXPECT_TRUE(s.Label2.caption == "Red to Play" && !s.Label5.enabled);
    game.clock.advance(1);
    EXPECT_TRUE(s.Label5.enabled && s.Label4.caption == "ZORBITAN" &&
                game.screen.cardFaceTop() == 2160); // Red plays at Level 3
    EXPECT_EQ(game.sounds.size(), 2U);              // the deal's stapler and the right answer's subping
}

// Each winner is named in their colour; the line and the message flash for five seconds
// with five klaxons (none with sound off), and then every timer stops.
TEST(GameScreen, AWinIsAnnouncedWithFiveKlaxonsAndEndsTheGame)
{
    const std::pair<std::string, Rgb> winners[] = {{"BLUE HAS WON!", {0, 0, 255}},
                                                   {"RED HAS WON!", {0, 0, 0}},
                                                   {"GREEN HAS WON!", {0, 255, 0}},
                                                   {"YELLOW HAS WON!", {255, 255, 0}}};
    for (int winner = 0; winner < 4; ++winner) {
        TestGame game({3, 3, 3, 3});
        winWithFactorsOfTwelve(game, winner);
        EXPECT_EQ(std::pair(game.controls().Label2.caption, game.controls().Label2.foreColor), winners[winner]);
        EXPECT_EQ(game.screen.winningline(), (BoardLine{1, 2, 3}));
    }
    for (const Integer soundon : {1, 0}) {
        TestGame game({3, 1});
        game.shared.soundon = soundon;
        winWithFactorsOfTwelve(game, 0);
        const long check = game.clock.now();
        game.clock.advance(60000);
        std::vector<long> klaxons;
        for (const auto& [at, name] : game.sounds) {
            klaxons.insert(klaxons.end(), name == sounds::klaxon ? 1 : 0, at - check);
        }
        EXPECT_EQ(klaxons, soundon == 1 ? std::vector<long>({0, 1250, 2500, 3750, 5000}) : std::vector<long>());
        EXPECT_TRUE(std::ranges::none_of(game.controls().timers, &Timer::enabled));
    }
}

// The deal follows the choice. With the design's, a game of Levels 1, 2 and 3 deals as
// it did when it was recorded, draw for draw (a sum as first, sign, second, slot 0; a
// Level 3 card by number, slot 0, "+" when it fills more): any change to the card or the
// slot a fraction gives fails it. With a teacher's (Level 1 the 3 and 4 tables without
// divisions, Level 3 primes and factors) every card of a restored game keeps to it.
TEST(GameScreen, TheDealFollowsTheChoice)
{
    CardChoice teachers;
    teachers.level1 = tablesOf({3, 4}, false);
    teachers.level3 = FactKinds(3);
    for (const bool design : {true, false}) {
        TestGame game({1, 2, 3, 1}, 7);
        game.shared.cardchoice = design ? CardChoice{} : teachers;
        game.shared.restartgame = design ? 0 : 1;
        game.load();
        std::string dealt;
        for (int turn = 0; turn < 40; ++turn) {
            game.takeCard();
            const Label& card = game.controls().Label4;
            const auto& slots = game.shared.answers;
            const bool sum = !card.numbers.empty();
            dealt += (sum ? std::to_string(card.numbers[0]) + (card.caption == "%1 x %2" ? "x" : "/") +
                                std::to_string(card.numbers[1]) + "=" + slots[0].substr(1)
                          : "#" + std::to_string(game.screen.card().cardnumber) + ":" + slots[0]) +
                     (slots[1] == "x" ? " " : "+ ");
            const auto threeOrFour = [&card](int at) { return card.numbers.at(at) == 3 || card.numbers.at(at) == 4; };
            EXPECT_TRUE(design || game.shared.currentlevel == 2 ||
                        (sum ? card.caption == "%1 x %2" && (threeOrFour(0) || threeOrFour(1))
                             : (zorbitan::testing::factKindsOf(card.caption) & 3U) != 0))
                << dealt;
            game.answer(game.rightAnswers().contains(100) ? 99 : 100);
            game.clock.advance(510);
        }
        EXPECT_TRUE(!design || dealt == "20/10=2 2x1=2 #50:5+ 8x10=80 4x10=40 4x10=40 #60:83+ 7x2=14 "
                                        "2x2=4 4x4=16 #41:70 1x2=2 9x10=90 3x2=6 #48:51+ 5x4=20 "
                                        "2x2=4 7x10=70 #12:62+ 7x2=14 6/2=3 1x1=1 #48:51+ 3x2=6 "
                                        "8x2=16 7x6=42 #38:1+ 5x2=10 2x7=14 5x7=35 #7:8 12/2=6 "
                                        "10x7=70 2x2=4 #42:1+ 10x5=50 2x9=18 6x4=24 #1:2+ 4x2=8 ")
            << dealt;
    }
}

// A restored game goes on from its turn; the 16-bit turn counter stops at its top instead
// of wrapping, and the game is kept no more.
TEST(GameScreen, ARestoredGameGoesOnFromItsTurnUntilTheCounterStops)
{
    TestGame game({1, 2, 1});
    game.shared.restartgame = 1;
    game.shared.savedturn = 32764;
    game.load();
    EXPECT_EQ(game.controls().Label2.caption, "Green to Play"); // 32765 Mod 3 is Green
    for (int turn = 32765; turn <= 32767; ++turn) {
        EXPECT_TRUE(game.screen.worthKeeping());
        game.playWrongTurn();
    }
    EXPECT_TRUE(game.screen.turnnumber() == 32767 && !game.screen.worthKeeping() && !game.controls().Label5.enabled);
    game.takeCard();
    EXPECT_EQ(game.screen.turnnumber(), 32767);
}

// Thousands of games (ZORBITAN_SOAK_GAMES, or 2000) of random clicks at random moments,
// the hand counting the cards and knowing their answers itself: a counter changes only on
// a card's first answer, when right, to the card's holder; "Take a card" may be taken
// exactly between turns; after the blink, a player holds a line exactly when they have
// won. Of several lines, the last scanned is kept: the column after the row.
TEST(GameScreen, RandomPlayKeepsTheRules)
{
    std::array<Integer, 101> owners{};
    std::ranges::for_each(std::array{1, 2, 3, 4, 13, 23}, [&owners](int n) { owners.at(n) = 1; });
    EXPECT_EQ(lastLineHeldBy(owners, 1), (BoardLine{3, 13, 23}));
    const char* wanted = std::getenv("ZORBITAN_SOAK_GAMES");
    const int games = wanted != nullptr ? std::max(1, std::atoi(wanted)) : 2000;
    std::mt19937_64 hand(20261206);
    const auto pick = [&hand](int first, int last) { return std::uniform_int_distribution<int>(first, last)(hand); };
    int wins = 0;
    for (int g = 0; g < games && !::testing::Test::HasFailure(); ++g) {
        TestGame game(std::vector<Integer>(pick(1, 4), static_cast<Integer>(pick(1, 3))),
                      static_cast<std::uint64_t>(g));
        const auto& s = game.controls();
        const auto inPlay = [&] { return s.Label4.visible && !s.Label4.literal && !s.Label4.caption.empty(); };
        std::set<int> answers; // of the card on the table
        game.load();
        for (int event = 0, cardsTaken = 0, answered = 0;
             event < 1500 && (game.screen.winner() == 0 || s.timers[3].enabled); ++event) {
            const auto before = game.shared.boardowner;
            const bool accepts = inPlay() && answered == 0 && game.screen.winner() == 0;
            const int holder = (cardsTaken - 1) % game.shared.numberofplayers + 1;
            answers = inPlay() ? game.rightAnswers() : answers;
            int number = 0;
            switch (pick(0, 5)) {
            case 0:
                cardsTaken += s.Label5.enabled ? 1 : 0;
                game.screen.Label5_Click();
                break;
            case 1: game.clock.advance(pick(1, 700)); break;
            case 2: game.clock.advance(pick(2000, 2600)); break;
            default:
                number = inPlay() && pick(0, 1) == 0 ? *answers.begin() : pick(1, 100);
                pick(0, 1) == 0 ? game.screen.Label1_Click(number) : game.screen.Image1_Click(number);
                answered += accepts ? 1 : 0;
            }
            answered = inPlay() ? answered : 0;
            auto owners = before; // the card's holder on its right answer
            owners.at(number) = accepts && answers.contains(number) ? static_cast<Integer>(holder) : before.at(number);
            ASSERT_EQ(game.shared.boardowner, owners) << "game " << g << ", a click on " << number;
            const bool between =
                game.screen.winner() == 0 && !inPlay() && std::ranges::none_of(s.timers, &Timer::enabled);
            ASSERT_EQ(s.Label5.enabled, between) << "game " << g;
            for (int player = 1; player <= game.shared.numberofplayers && !s.timers[2].enabled; ++player) {
                ASSERT_EQ(holdsALine(game.shared.boardowner, player), game.screen.winner() == player) << "game " << g;
            }
        }
        wins += game.screen.winner() != 0 ? 1 : 0;
    }
    EXPECT_GT(wins, games / 5) << "too few games reached a win to test what follows one";
}
