// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"
#include "CardChoice.h"
#include "Players.h"

#include <array>
#include <cstdint>
#include <limits>
#include <string>

namespace zorbitan {

using Integer = std::int16_t; // the game's integers are 16-bit signed throughout

// The turn counter, like every integer of the game, is 16-bit: a game whose counter has
// reached the top deals no more cards, and is neither kept nor brought back.
inline constexpr Integer lastTurn = std::numeric_limits<Integer>::max();
constexpr bool turnCanAdvance(int turn) { return turn < lastTurn; }

inline constexpr int answerSlots = 7; // slots 0..5 hold a card's answers; slot 6 is never used
inline constexpr int usedAnswerSlots = 6;
inline constexpr std::string_view emptySlot = "x";

// The record of state that every screen reads and writes: the settings chosen
// before a game, the board's counters, the card's answers and the two flags
// that carry a saved game into the game screen. One instance lives for the run.
struct Module1 {
    Integer numberofplayers = 0;
    Integer soundon = 0;                               // becomes 1 when the title screen loads
    Integer hidedesktop = 0;                           // unset until a screen first sets it; reads as 0
    std::array<Integer, maxPlayers + 1> playerlevel{}; // element p for player p; 0 unused
    Integer currentlevel = 0;
    std::array<Integer, board::lastNumber + 1> boardowner{}; // element n for number n; 0 unused
    std::array<std::string, answerSlots> answers{};
    Integer placednumber = 0;
    Integer restartgame = 0;
    Integer savedturn = 0;
    CardChoice cardchoice; // which cards each level deals; never saved with a game
};

// Marks slots 0..5 empty: no card is in play.
void clearAnswers(Module1& shared);

} // namespace zorbitan
