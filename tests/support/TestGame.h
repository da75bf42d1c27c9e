// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CardOracle.h"
#include "GameScreen.h"

#include <algorithm>
#include <array>
#include <deque>

namespace zorbitan::testing {

// Drives a game screen's timers in virtual time: advance(ms) delivers every tick that
// falls due, in time order, exactly as the program's real timers would.
class VirtualClock {
public:
    explicit VirtualClock(GameScreen& screen) : screen_(screen) {}

    long now() const { return now_; }

    void advance(long milliseconds)
    {
        const long end = now_ + milliseconds;
        for (int next = follow(); next != 0 && due_.at(next) <= end; next = follow()) {
            now_ = due_.at(next);
            due_.at(next) += screen_.controls().timers.at(next).interval;
            screen_.tick(static_cast<GameTimer>(next));
        }
        now_ = end;
    }

private:
    // Notes timers started since the last look (a start begins a new interval); the
    // running timer due first, or 0.
    int follow()
    {
        int next = 0;
        for (int t = 1; t <= 5; ++t) {
            const Timer& timer = screen_.controls().timers.at(t);
            if (timer.enabled && timer.starts != starts_.at(t)) {
                due_.at(t) = now_ + timer.interval;
            }
            starts_.at(t) = timer.starts;
            next = timer.enabled && (next == 0 || due_.at(t) < due_.at(next)) ? t : next;
        }
        return next;
    }

    GameScreen& screen_;
    long now_ = 0;
    std::array<long, 6> due_{};
    std::array<unsigned, 6> starts_{};
};

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
