// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameScreen.h"

namespace zorbitan {

void GameScreen::Label5_Click()
{
    if (!controls_.Label5.enabled || !turnCanAdvance(turnnumber_)) {
        return;
    }
    controls_.Label5.enabled = false; // one card a turn
    // A card taken before the card's back came up (a restored game opens with "Take a
    // card" already enabled) makes that step pointless; left to run, it would enable
    // the button again during the deal.
    timer(GameTimer::Timer5).stop();
    timer(GameTimer::Timer4).start();
    play(sounds::stapler);
}

// The deal, half a second after "Take a card". A level outside 1..3 deals nothing,
// but the turn still counts.
void GameScreen::Timer4_Timer()
{
    switch (shared_.currentlevel) {
    case 1: showCard(dealLevel1(card_, shared_.cardchoice.level1, random_)); break;
    case 2: showCard(dealLevel2(card_, shared_.cardchoice.level2, random_)); break;
    case 3: level3questions(); break;
    default: break;
    }
    turnnumber_ = static_cast<Integer>(turnnumber_ + 1);
    timer(GameTimer::Timer4).stop();
}

void GameScreen::level3questions() { showCard(dealLevel3(card_, shared_.cardchoice.level3, random_)); }

void GameScreen::showCard(const Card& card)
{
    for (std::size_t slot = 0; slot < usedAnswerSlots; ++slot) {
        shared_.answers.at(slot) = slot < card.answers.size() ? card.answers[slot] : std::string(emptySlot);
    }
    controls_.Label4.setCaption(card.text, card.numbers);
    controls_.Label4.visible = true;
    cardAnswered_ = false;
}

} // namespace zorbitan
