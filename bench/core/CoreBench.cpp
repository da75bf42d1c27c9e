// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's core without a screen: a card at each level, an answer, the line check,
// passing the turn, and a whole simulated game.

#include "Cards.h"
#include "Lines.h"
#include "TestGame.h"

#include <benchmark/benchmark.h>
#include <memory>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
// With the design's choice of cards.
template <typename Deal> void dealCards(benchmark::State& state, Deal deal)
{
    CardState card;
    const RandomFraction random = seededRandom(1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(deal(card, random));
    }
}

const CardChoice design;
void BM_DealLevel1(benchmark::State& state)
{
    dealCards(state,
              [](CardState& card, const RandomFraction& random) { return dealLevel1(card, design.level1, random); });
}
void BM_DealLevel2(benchmark::State& state)
{
    dealCards(state,
              [](CardState& card, const RandomFraction& random) { return dealLevel2(card, design.level2, random); });
}
void BM_DealLevel3(benchmark::State& state)
{
    dealCards(state,
              [](CardState& card, const RandomFraction& random) { return dealLevel3(card, design.level3, random); });
}

// The scan of all 288 lines that follows every answer.
void BM_CheckForALine(benchmark::State& state)
{
    std::array<Integer, 101> owners{};
    for (int n = 1; n <= 100; ++n) {
        owners.at(n) = static_cast<Integer>(n % 3 == 0 ? 1 : n % 3);
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(lastLineHeldBy(owners, 1));
    }
}

void BM_Nextmove(benchmark::State& state)
{
    TestGame game({1, 2, 3, 1});
    game.load();
    for (auto _ : state) {
        game.screen.nextmove();
    }
}

// One turn: take a card, answer it rightly, blink, check, pass the turn.
void BM_AnsweredTurn(benchmark::State& state)
{
    auto game = std::make_unique<TestGame>(std::vector<Integer>{3, 3});
    game->load();
    for (auto _ : state) {
        game->takeCard();
        game->answer(answerValue(game->shared.answers[0]));
        game->clock.advance(510);
        if (game->screen.winner() != 0) {
            state.PauseTiming();
            game = std::make_unique<TestGame>(std::vector<Integer>{3, 3});
            game->load();
            state.ResumeTiming();
        }
    }
}

// Of the card's answers, the one with most of the player's own counters around it.
int bestAnswer(const TestGame& game, int owner)
{
    int best = 0;
    int bestScore = -1;
    for (int slot = 0; slot < 6; ++slot) {
        const int n = answerValue(game.shared.answers.at(static_cast<std::size_t>(slot)));
        if (n < 1 || n > 100) {
            continue;
        }
        int score = 0;
        for (const int step : {-11, -10, -9, -1, 1, 9, 10, 11}) {
            const int neighbour = n + step;
            score += neighbour >= 1 && neighbour <= 100 && game.shared.boardowner.at(neighbour) == owner ? 1 : 0;
        }
        if (score > bestScore) {
            best = n;
            bestScore = score;
        }
    }
    return best;
}

// A whole two-player game at Level 3 played with a little sense, to the win.
void BM_WholeGame(benchmark::State& state)
{
    std::uint64_t seed = 0;
    for (auto _ : state) {
        TestGame game({3, 3}, ++seed);
        game.load();
        while (game.screen.winner() == 0) {
            const int owner = (game.screen.turnnumber() + 1) % 2 + 1;
            game.takeCard();
            game.answer(bestAnswer(game, owner));
            game.clock.advance(510);
        }
        game.clock.advance(5000);
    }
}
} // namespace

BENCHMARK(BM_DealLevel1);
BENCHMARK(BM_DealLevel2);
BENCHMARK(BM_DealLevel3);
BENCHMARK(BM_CheckForALine);
BENCHMARK(BM_Nextmove);
BENCHMARK(BM_AnsweredTurn);
BENCHMARK(BM_WholeGame)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
