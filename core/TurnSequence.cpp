// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameScreen.h"

namespace zorbitan {

void GameScreen::nextmove()
{
    clearAnswers(shared_);
    controls_.Label6.caption.clear();
    controls_.Label6.visible = false;
    controls_.Label7.caption.clear();
    controls_.Label7.visible = false;
    controls_.Label10.visible = false;

    const int k = playerIndex(turnnumber_ + 1);
    const Player& player = playerAtIndex(k);
    controls_.Label2.caption = player.turnLine;
    controls_.Label9.foreColor = turnLineColour(player);
    // The buttons take the player's own colour, Red's included.
    for (Label* button : {&controls_.Label5, &controls_.Label3[0], &controls_.Label3[1]}) {
        button->foreColor = player.colour;
    }
    controls_.Label2.foreColor = turnLineColour(player);

    applyLevelStyle(shared_.playerlevel.at(static_cast<std::size_t>(k) + 1));
    if (shared_.currentlevel == 3) {
        cardFaceTop_ = levelStyle(3)->cardFaceTop;
    }
    timer(GameTimer::Timer5).start();
}

// A restored game: its counters go back on the board, then the player to play is named.
void GameScreen::previousposition()
{
    for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
        if (const auto owner = playerWithOwnerCode(shared_.boardowner[n])) {
            showCounter(n, owner->prefix);
        }
    }
    nextmove();
}

} // namespace zorbitan
