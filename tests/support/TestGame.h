#pragma once

#include "CardOracle.h"
#include "GameScreen.h"
#include "VirtualClock.h"

#include <algorithm>
#include <deque>

namespace zorbitan::testing {

// A random source that can be told what to draw next: the fractions queued in `next`,
// then the seeded source's. A draw landing on position p out of n is (p + 0.5) / n.
struct ScriptedRandom {
    double operator()()
    {
        const double fraction = next.empty() ? seeded() : next.front();
        next.erase(next.begin(), next.begin() + (next.empty() ? 0 : 1));
        return fraction;
    }
    void draw(const std::vector<std::pair<int, int>>& draws)
    {
        for (const auto& [position, outOf] : draws) {
            next.push_back((position + 0.5) / outOf);
        }
    }
    std::deque<double> next;
    RandomFraction seeded;
};

// A game of as many players as levels given, Blue's first.
inline void seatPlayers(Module1& shared, const std::vector<Integer>& levels)
{
    shared.numberofplayers = static_cast<Integer>(levels.size());
    shared.playerlevel = {};
    std::copy(levels.begin(), levels.end(), shared.playerlevel.begin() + 1);
}

// A game screen with everything a test needs around it: the shared state, a virtual
// clock, a random source that can be told what to draw next, and a record of the sounds.
class TestGame {
public:
    explicit TestGame(const std::vector<Integer>& levels, std::uint64_t seed = 1) : random{{}, seededRandom(seed)}
    {
        shared.soundon = 1;
        seatPlayers(shared, levels);
    }

    void load() { screen.Form_Load(); }
    void takeCard() // and wait for the deal
    {
        screen.Label5_Click();
        clock.advance(500);
    }
    void answer(int number) // and let the blink and the win check run
    {
        screen.Label1_Click(number);
        clock.advance(2000);
    }
    void playWrongTurn()
    {
        takeCard();
        answer(rightAnswers().contains(100) ? 99 : 100);
        clock.advance(510);
    }

    // The answers to the card on the table, as the design gives them.
    std::set<int> rightAnswers() const { return answersTo(controls().Label4.caption, controls().Label4.numbers); }
    const GameScreenControls& controls() const { return screen.controls(); }

    Module1 shared;
    ScriptedRandom random;
    std::vector<std::pair<long, std::string>> sounds; // when, and which
    GameScreen screen{shared, [this](std::string_view name) { sounds.emplace_back(clock.now(), name); },
                      [this] { return random(); }};
    VirtualClock clock{screen};
};

} // namespace zorbitan::testing
