#pragma once

#include "GameScreen.h"

#include <array>

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
    // Notes timers started or stopped since the last look (a start begins a new
    // interval); the running timer due first, or 0.
    int follow()
    {
        int next = 0;
        for (int t = 1; t <= 5; ++t) {
            const Timer& timer = screen_.controls().timers.at(t);
            if (timer.enabled && (!armed_.at(t) || timer.starts != starts_.at(t))) {
                due_.at(t) = now_ + timer.interval;
            }
            armed_.at(t) = timer.enabled;
            starts_.at(t) = timer.starts;
            next = timer.enabled && (next == 0 || due_.at(t) < due_.at(next)) ? t : next;
        }
        return next;
    }

    GameScreen& screen_;
    long now_ = 0;
    std::array<long, 6> due_{};
    std::array<bool, 6> armed_{};
    std::array<unsigned, 6> starts_{};
};

} // namespace zorbitan::testing
