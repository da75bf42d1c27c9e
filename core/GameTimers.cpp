// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameScreen.h"

namespace zorbitan {

namespace {
constexpr int blinkTicks = 8;
constexpr int winFlashTicks = 20;
constexpr int klaxonEvery = 5;

bool isEven(int count) { return count % 2 == 0; }
} // namespace

// The pause after a turn without a win: the card is taken away and play passes on.
void GameScreen::Timer1_Timer()
{
    controls_.Label4.setCaption("");
    controls_.Label4.visible = false;
    cardFaceTop_ = cardFaceRestingTop;
    nextmove();
    timer(GameTimer::Timer1).stop();
}

// The placed counter blinks four times, ends shown, and then the line check runs.
void GameScreen::Timer2_Timer()
{
    ++flashcount_;
    const int placed = shared_.placednumber;
    if (placed >= 0 && placed <= board::lastNumber) {
        controls_.Image1[placed].visible = isEven(flashcount_);
    }
    if (flashcount_ == blinkTicks) {
        flashcount_ = 0;
        timer(GameTimer::Timer2).stop();
        checkendofgame();
    }
}

// The win: the line and the message flash ten times, with the klaxon every fifth tick.
void GameScreen::Timer3_Timer()
{
    ++flashcount_;
    const bool shown = isEven(flashcount_);
    for (const int n : winningline_) {
        controls_.Image1[n].visible = shown;
    }
    controls_.Label2.visible = shown;
    if (flashcount_ % klaxonEvery == 0) {
        play(sounds::klaxon);
    }
    if (flashcount_ == winFlashTicks) {
        flashcount_ = 0;
        controls_.Label2.visible = true;
        timer(GameTimer::Timer3).stop();
    }
}

// The card's back and a new card for the next player.
void GameScreen::Timer5_Timer()
{
    controls_.Label4.showAsIs(cardBack); // the game's name, the same in every language
    controls_.Label4.visible = true;
    controls_.Label5.enabled = turnCanAdvance(turnnumber_);
    timer(GameTimer::Timer5).stop();
}

} // namespace zorbitan
