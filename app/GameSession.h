// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameSound.h"
#include "Module1.h"
#include "Random.h"
#include "ScreenNavigator.h"

#include <QString>
#include <functional>

namespace zorbitan {

// What the program sets up once a QApplication exists: the working folder,
// the shared state, the sounds and the screens. main() opens the title screen on it;
// the test harness drives the same session with cards of its choosing.
class GameSession {
public:
    // Opens at the size the player chose last time, and keeps the size chosen in this run.
    GameSession(RandomFraction random, std::function<void()> endProgram);
    ~GameSession();
    GameSession(const GameSession&) = delete;
    GameSession& operator=(const GameSession&) = delete;

    ScreenNavigator& navigator() { return navigator_; }
    Module1& shared() { return shared_; }

private:
    QString folder_;
    Module1 shared_;
    GameSound sound_;
    ScreenNavigator navigator_;
};

// The run's one random source, seeded from the time of day as the program starts.
RandomFraction randomFromTheTimeOfDay();

// The application-wide look and console behaviour, set before any window opens.
void prepareApplication();

} // namespace zorbitan
