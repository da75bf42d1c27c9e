#pragma once

#include "Cards.h"
#include "GameScreen.h"
#include "VirtualClock.h"

#include <algorithm>
#include <deque>
#include <string>
#include <utility>
#include <vector>

namespace zorbitan::testing {

// A game screen with everything a test needs around it: the shared state, a clock,
// a random source that can be told what to draw next, and a record of the sounds.
class TestGame {
public:
    struct Sound {
        long at;
        std::string name;
    };

    explicit TestGame(std::vector<Integer> levels, std::uint64_t seed = 1) : fallback_(seededRandom(seed))
    {
        shared.soundon = 1;
        shared.numberofplayers = static_cast<Integer>(levels.size());
        for (std::size_t p = 0; p < levels.size(); ++p) {
            shared.playerlevel.at(p + 1) = levels[p];
        }
    }

    TestGame(const TestGame&) = delete;
    TestGame& operator=(const TestGame&) = delete;

    // The fractions the next draws will return, before the seeded source takes over.
    void drawNext(std::initializer_list<double> fractions) { script_.insert(script_.end(), fractions); }

    // The Level 3 card with this number will be the next one dealt.
    void dealLevel3CardNext(int card) { drawNext({fractionFor(card - 1, 60)}); }

    // The next Level 2 card will be first x second.
    void dealLevel2CardNext(int first, int second)
    {
        drawNext({fractionFor(first - 1, 10), fractionFor(second - 1, 10)});
    }

    // The fraction that makes a draw of outOf land on the 0-based position.
    static double fractionFor(int position, int outOf) { return (position + 0.5) / outOf; }

    void load() { screen.Form_Load(); }

    // "Take a card" and wait for the deal.
    void takeCard()
    {
        screen.Label5_Click();
        clock.advance(500);
    }

    // Click a number and let the blink and the win check run.
    void answer(int number)
    {
        screen.Label1_Click(number);
        clock.advance(2000);
    }

    // After an answer without a win: the pause and the card's back.
    void waitForNextTurn() { clock.advance(510); }

    // A whole turn answered with a number that is not on the card.
    void playWrongTurn()
    {
        takeCard();
        answer(answerValue(answerSlot(0)) == 100 ? 99 : 100);
        waitForNextTurn();
    }

    int played(std::string_view name) const
    {
        return static_cast<int>(
            std::count_if(sounds.begin(), sounds.end(), [&](const Sound& s) { return s.name == name; }));
    }

    const std::string& answerSlot(int slot) const { return shared.answers.at(static_cast<std::size_t>(slot)); }
    const GameScreenControls& controls() const { return screen.controls(); }

    Module1 shared;
    std::vector<Sound> sounds;
    GameScreen screen{shared,
                      [this](std::string_view name) {
                          sounds.push_back({clock.now(), std::string(name)});
                      },
                      [this] { return nextFraction(); }};
    VirtualClock clock{screen};

private:
    double nextFraction()
    {
        if (script_.empty()) {
            return fallback_();
        }
        const double fraction = script_.front();
        script_.pop_front();
        return fraction;
    }

    RandomFraction fallback_;
    std::deque<double> script_;
};

} // namespace zorbitan::testing
