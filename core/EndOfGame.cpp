// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameScreen.h"

namespace zorbitan {

// Only the player who has just answered can have completed a line.
void GameScreen::checkendofgame()
{
    const int currentplayer = playerIndex(turnnumber_) + 1;
    if (const auto line = lastLineHeldBy(shared_.boardowner, currentplayer)) {
        winningline_ = *line;
        winner_ = static_cast<Integer>(currentplayer);
    }
    if (const auto champion = playerWithOwnerCode(winner_)) {
        controls_.Label2.caption = champion->winMessage;
        controls_.Label2.foreColor = turnLineColour(*champion);
    }
    if (winner_ != 0) {
        timer(GameTimer::Timer3).start();
        play(sounds::klaxon);
    } else {
        timer(GameTimer::Timer1).start();
    }
}

} // namespace zorbitan
