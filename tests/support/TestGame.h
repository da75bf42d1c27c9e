#pragma once

#include "CardOracle.h"
#include "Cards.h"
#include "GameScreen.h"
#include "VirtualClock.h"

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace zorbitan::testing {

// A random source that can be told what to draw next: the fractions queued in `next`,
// then the seeded source's.
struct ScriptedRandom {
    double operator()()
    {
        if (next.empty()) {
            return seeded();
        }
        const double fraction = next.front();
        next.pop_front();
        return fraction;
    }
    std::deque<double> next;
    RandomFraction seeded;
};

// Words of the game as an English player reads them, the numbers of a sum filled in.
inline std::string inEnglish(std::string words, const std::vector<int>& numbers)
{
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        const std::string placeholder = "%" + std::to_string(i + 1);
        words.replace(words.find(placeholder), placeholder.size(), std::to_string(numbers[i]));
    }
    return words;
}

// A game of as many players as levels given, Blue's first.
inline void seatPlayers(Module1& shared, const std::vector<Integer>& levels)
{
    shared.numberofplayers = static_cast<Integer>(levels.size());
    shared.playerlevel = {};
    std::copy(levels.begin(), levels.end(), shared.playerlevel.begin() + 1);
}

// A game screen with everything a test needs around it: the shared state, a clock, a
// random source that can be told what to draw next, and a record of the sounds.
class TestGame {
public:
    // A game of as many players as levels given, Blue's first, with sound on.
    explicit TestGame(const std::vector<Integer>& levels, std::uint64_t seed = 1) : random_{{}, seededRandom(seed)}
    {
        shared.soundon = 1;
        seatPlayers(shared, levels);
    }

    // The next draws land on these positions, each out of its number; then the seed rules.
    void drawNext(const std::vector<std::pair<int, int>>& draws)
    {
        for (const auto& [position, outOf] : draws) {
            random_.next.push_back(fractionFor(position, outOf));
        }
    }
    void dealLevel3CardNext(int card) { drawNext({{card - 1, 60}}); }
    static double fractionFor(int position, int outOf) { return (position + 0.5) / outOf; }

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
    void waitForNextTurn() { clock.advance(510); }
    void playWrongTurn()
    {
        takeCard();
        answer(wrongAnswer());
        waitForNextTurn();
    }

    // What the card on the table asks, as the players read it, and its answers worked
    // out from its words alone.
    std::string card() const { return inEnglish(controls().Label4.caption, controls().Label4.numbers); }
    std::set<int> rightAnswers() const { return answersTo(controls().Label4.caption, controls().Label4.numbers); }
    int wrongAnswer() const { return rightAnswers().contains(100) ? 99 : 100; }

    int played(std::string_view name) const
    {
        return static_cast<int>(std::ranges::count(sounds, name, &std::pair<long, std::string>::second));
    }
    const GameScreenControls& controls() const { return screen.controls(); }

    Module1 shared;
    std::vector<std::pair<long, std::string>> sounds; // when, and which
    GameScreen screen{shared,
                      [this](std::string_view name) {
                          sounds.push_back({clock.now(), std::string(name)});
                      },
                      [this] { return random_(); }};
    VirtualClock clock{screen};

private:
    ScriptedRandom random_;
};

} // namespace zorbitan::testing
