// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CardChoice.h"

namespace zorbitan {

// The teacher's choice of cards as the settings keep it, in the group [Cards]:
//   Level1Tables=3, 4          the times tables, 1 to 10 (also Level2Tables)
//   Level1Divisions=false      whether their divisions come up (also Level2Divisions)
//   Level3Facts=primes, factors  of primes, factors, multiples, squares, odd-and-even,
//                              greater-and-less, nearest-ten
//   Locked=true                in the administrator's file only: its choice holds for
//                              every user, and nobody can change it in the game
// A key left out keeps the design's choice for it.
struct KeptCardChoice {
    CardChoice choice;
    bool locked = false;
};

// Reads the choice: the administrator's when locked, else the user's over the
// administrator's. A file that cannot be read gives the design's choice, and a key that
// cannot be a choice (a table outside 1 to 10, a kind the game does not know, a level
// left without a card) gives the design's choice for it; either prints one line on the
// console.
KeptCardChoice readCardChoice();

// Keeps the choice in the user's file. False when the administrator's file locks the
// choice or the user's file cannot be written (one line on the console).
bool keepCardChoice(const CardChoice& choice);

} // namespace zorbitan
