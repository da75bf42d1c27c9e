// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameScreen.h"

#include "Publisher.h"
#include "SoundRule.h"

#include <algorithm>
#include <string>
#include <utility>

namespace zorbitan {

GameScreenControls::GameScreenControls()
{
    Label8.caption = publisher::notice;
    Shape1[0] = Shape{colours::yellow, colours::yellow, false};
    Label1[0] = Label{"0", colours::black, false, true, {}, -1, true};
}

GameScreen::GameScreen(Module1& shared, PlayWav playwav, RandomFraction random)
    : shared_(shared), playwav_(std::move(playwav)), random_(std::move(random))
{}

void GameScreen::Form_Load()
{
    turnnumber_ = shared_.restartgame == 1 ? shared_.savedturn : Integer{-1};
    winner_ = 0;
    createBoardControls();
    colournumbers();
    positionnumbers();
    clearAnswers(shared_);
    // Blue opens every new game.
    applyLevelStyle(shared_.playerlevel[1]);
    if (const auto style = levelStyle(shared_.playerlevel[1])) {
        cardFaceTop_ = style->cardFaceTop;
    }
    controls_.Label2.foreColor = colours::blue;
    controls_.Label9.foreColor = colours::blue;
    controls_.Label11.visible = true;
    if (shared_.restartgame == 1) {
        cardFaceTop_ = cardFaceRestingTop;
        previousposition();
    }
}

// Every board element starts as a copy of its template; the label shows its number.
void GameScreen::createBoardControls()
{
    for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
        controls_.Label1[n] = controls_.Label1[0];
        controls_.Label1[n].caption = std::to_string(n);
        controls_.Image1[n] = controls_.Image1[0];
        controls_.Shape1[n] = controls_.Shape1[0];
    }
}

void GameScreen::colournumbers()
{
    auto& squares = controls_.Shape1;
    for (int n = board::side + 1; n <= board::lastNumber; ++n) {
        squares[n].fillColor = colours::blue;
    }
    for (const auto colour :
         {SquareColour::Magenta, SquareColour::Yellow, SquareColour::Orange, SquareColour::Red, SquareColour::Green}) {
        for (const int n : numbersColoured(colour)) {
            squares[n].fillColor = squareColourInfo(colour).rgb;
        }
    }
    for (int n = board::side + 1; n <= board::lastNumber; ++n) {
        squares[n].borderColor = squares[n].fillColor;
    }
}

// The board comes out: its frame, and every square with its number.
void GameScreen::positionnumbers()
{
    for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
        controls_.Shape1[n].visible = true;
        controls_.Label1[n].visible = true;
    }
    controls_.Shape2.visible = true;
}

// A level outside 1..3 matches no style: the card keeps its look and currentlevel its value.
void GameScreen::applyLevelStyle(int level)
{
    const auto style = levelStyle(level);
    if (!style) {
        return;
    }
    controls_.Shape4.fillColor = style->cardFill;
    controls_.Label4.foreColor = style->cardFaceText;
    controls_.Label6.foreColor = style->answerListText;
    controls_.Label7.foreColor = style->answerHeadingText;
    controls_.Label11.foreColor = style->levelText;
    controls_.Label11.caption = style->levelCaption;
    shared_.currentlevel = static_cast<Integer>(style->level);
}

bool GameScreen::worthKeeping() const { return winner_ == 0 && turnnumber_ > 0 && turnCanAdvance(turnnumber_); }

void GameScreen::tick(GameTimer which)
{
    if (!timer(which).enabled) {
        return;
    }
    switch (which) {
    case GameTimer::Timer1: Timer1_Timer(); break;
    case GameTimer::Timer2: Timer2_Timer(); break;
    case GameTimer::Timer3: Timer3_Timer(); break;
    case GameTimer::Timer4: Timer4_Timer(); break;
    case GameTimer::Timer5: Timer5_Timer(); break;
    }
}

// Turn arithmetic: Mod takes the dividend's sign, so a turn counter read from a file
// written by hand could be negative; such a turn still names one of the players.
int GameScreen::playerIndex(int turn) const
{
    const int n = std::clamp<int>(shared_.numberofplayers, 1, maxPlayers);
    return ((turn % n) + n) % n;
}

void GameScreen::play(std::string_view sound) const { playIfSoundOn(shared_, playwav_, sound); }

} // namespace zorbitan
