// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"
#include "Cards.h"
#include "Controls.h"
#include "LevelStyle.h"
#include "Lines.h"
#include "Module1.h"
#include "Random.h"
#include "Sounds.h"

#include <array>
#include <optional>
#include <string_view>

namespace zorbitan {

inline constexpr int boardArraySize = board::lastNumber + 1; // element 0 is the hidden template
inline constexpr int cardFaceRestingTop = 3120;              // where the card's words sit between cards
inline constexpr std::string_view cardBack = "ZORBITAN";     // the words on the back of every card

// The controls of the game screen, with the look they have before the screen loads.
struct GameScreenControls {
    Label Label9{"ZORBITAN", colours::paleBlue, true, true, {}, -1, true};
    Label Label2{std::string(players[0].turnLine), colours::paleBlue, true, true};
    Label Label5{gameText("GameText", "Take a card"), colours::buttonBlue, true, true};
    Shape Shape4{colours::blue, colours::black, true};
    Label Label4{std::string(cardBack), colours::yellow, true, true, {}, -1, true};
    Label Label7{gameText("GameText", "ANSWER"), colours::white, false, true};
    Label Label6{"ZORBITAN", colours::white, false, true, {}, -1, true};
    Label Label11{"Level 1", colours::yellow, false, true};
    Label Label10{gameText("GameText", "Your answer is incorrect. You have lost your turn."), colours::white, false,
                  true};
    Label Label8{"", colours::yellow, true, true};
    std::array<Label, 2> Label3{{
        {gameText("GameText", "Exit"), colours::buttonBlue, true, true},
        {gameText("GameText", "New Game"), colours::buttonBlue, true, true},
    }};
    Shape Shape2{colours::black, colours::black, false};

    // Board arrays, indexed by board number.
    std::array<Shape, boardArraySize> Shape1{};
    std::array<Label, boardArraySize> Label1{};
    std::array<Image, boardArraySize> Image1{};

    // Timer1..Timer5 at their own numbers; element 0 is unused.
    std::array<Timer, 6> timers{{{}, {500}, {250}, {250}, {500}, {10}}};

    GameScreenControls();
};

// The game screen's five timers, by number.
enum class GameTimer { Timer1 = 1, Timer2, Timer3, Timer4, Timer5 };

// The game screen as a model: its controls as plain data and its event handlers,
// which the view calls and then draws. It never waits and never reads a clock: it
// says which timers run, and whoever drives it delivers their ticks.
class GameScreen {
public:
    GameScreen(Module1& shared, PlayWav playwav, RandomFraction random);

    const GameScreenControls& controls() const { return controls_; }
    Integer turnnumber() const { return turnnumber_; }
    Integer winner() const { return winner_; }
    const BoardLine& winningline() const { return winningline_; }
    const CardState& card() const { return card_; }
    Integer flashcount() const { return flashcount_; }
    // The top of the card's words in twips as the card moves: lower on a card of Level 1
    // or 2 and between cards; none before the rules first move it.
    std::optional<int> cardFaceTop() const { return cardFaceTop_; }

    // Runs once when the screen loads: builds the board and styles the card for Blue,
    // or, for a restored game, puts its counters back and names the player to play.
    void Form_Load();

    // "Take a card".
    void Label5_Click();
    // A click on board number index, or on the counter picture over it.
    void Label1_Click(int index);
    void Image1_Click(int index);

    // A tick of one of the timers; a timer that is not running does not tick.
    void tick(GameTimer timer);

    // A game is worth keeping once two cards have been dealt and nobody has won, as
    // long as it can go on when it is brought back.
    bool worthKeeping() const;

    // Hands the next turn on: clears the last card and styles the screen for the
    // player to play.
    void nextmove();

private:
    // Load steps.
    void createBoardControls();
    void colournumbers();
    void positionnumbers();
    void applyLevelStyle(int level);
    void previousposition();

    // Cards.
    void Timer4_Timer();
    void level3questions();
    void showCard(const Card& card);

    // Answers.
    bool acceptsAnswers() const;
    void claimNumber(int index);
    void showCorrectAnswers();
    void showCounter(int number, std::string_view playerPrefix);

    // The end of a turn.
    void checkendofgame();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Timer5_Timer();

    // The 0-based index of the player whose card this is (or who is to play after it).
    int playerIndex(int turn) const;
    Timer& timer(GameTimer which) { return controls_.timers.at(static_cast<std::size_t>(which)); }
    const Timer& timer(GameTimer which) const { return controls_.timers.at(static_cast<std::size_t>(which)); }
    void play(std::string_view sound) const;

    Module1& shared_;
    PlayWav playwav_;
    RandomFraction random_;
    GameScreenControls controls_;
    CardState card_;
    std::optional<int> cardFaceTop_;
    Integer turnnumber_ = 0;
    Integer winner_ = 0;
    Integer flashcount_ = 0;
    BoardLine winningline_{};
    std::string squareprefix_;
    bool cardAnswered_ = false; // one answer per card
};

} // namespace zorbitan
