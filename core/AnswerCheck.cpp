// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameScreen.h"

#include <algorithm>

namespace zorbitan {

namespace {
bool cardInPlay(const Module1& shared) { return shared.answers[0] != emptySlot; }
} // namespace

// A number answers only while a card waits for its answer: not during the blink, not
// once the card has been answered, and never after a win.
bool GameScreen::acceptsAnswers() const { return !timer(GameTimer::Timer2).enabled && !cardAnswered_ && winner_ == 0; }

void GameScreen::Label1_Click(int index)
{
    if (!board::isBoardNumber(index) || !acceptsAnswers()) {
        return;
    }
    shared_.placednumber = 0;
    const int clicked = answerValue(controls_.Label1[index].caption);
    bool wrong = true;
    for (int slot = 0; slot < usedAnswerSlots; ++slot) {
        if (answerValue(shared_.answers.at(static_cast<std::size_t>(slot))) == clicked) {
            shared_.placednumber = static_cast<Integer>(clicked);
            claimNumber(index);
            play(sounds::subping);
            wrong = false;
        }
    }
    if (wrong) {
        showCorrectAnswers();
    }
    if (cardInPlay(shared_)) {
        cardAnswered_ = true;
        timer(GameTimer::Timer2).start();
    }
}

void GameScreen::Image1_Click(int index) { Label1_Click(index); }

// The answering player's counter goes on the number, replacing whatever stood there.
void GameScreen::claimNumber(int index)
{
    const Player& player = playerAtIndex(playerIndex(turnnumber_));
    shared_.boardowner[index] = static_cast<Integer>(player.ownerCode);
    showCounter(index, player.prefix);
}

void GameScreen::showCorrectAnswers()
{
    std::string& list = controls_.Label6.caption;
    list.clear();
    for (int slot = 0; slot < usedAnswerSlots; ++slot) {
        const std::string& answer = shared_.answers.at(static_cast<std::size_t>(slot));
        if (answer == emptySlot) {
            continue;
        }
        if (slot == 0) {
            list = answer;
        } else {
            list.append(", ").append(answer);
        }
    }
    if (!cardInPlay(shared_)) {
        return;
    }
    controls_.Label6.visible = true;
    controls_.Label7.caption = countedGameText("GameText", "ANSWER");
    controls_.Label7.count =
        static_cast<int>(std::ranges::count_if(shared_.answers.begin(), shared_.answers.begin() + usedAnswerSlots,
                                               [](const auto& a) { return a != emptySlot; }));
    controls_.Label7.visible = true;
    controls_.Label10.visible = true;
    play(sounds::boink);
}

// The counter picture is named after the square's colour, read back from the square;
// a colour that is none of the six keeps the name of the one read before.
void GameScreen::showCounter(int number, std::string_view playerPrefix)
{
    if (const auto colour = squareColourFromRgb(controls_.Shape1[number].fillColor)) {
        squareprefix_ = colour->prefix;
    }
    Image& picture = controls_.Image1[number];
    picture.picture = counterPicturePath(squareprefix_, playerPrefix);
    picture.visible = true;
}

} // namespace zorbitan
