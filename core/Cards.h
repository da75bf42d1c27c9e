// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CardChoice.h"
#include "Module1.h"
#include "Random.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zorbitan {

// What a deal leaves behind from one card to the next.
struct CardState {
    Integer firstfactor = 0;
    Integer secondfactor = 0;
    Integer tableorder = 0; // Level 1: 0 when the table number comes first, 1 when second
    Integer cardkind = 0;   // Level 1: 0 or 1 a multiplication, 2 a division
    Integer cardnumber = 0; // Level 3: 1..60
};

// A dealt card: the problem, in the game's English words with the numbers of a sum
// filled into their %1 and %2, and its accepted answers in slot order.
struct Card {
    std::string text;
    std::vector<int> numbers;
    std::vector<std::string> answers;
};

// Level 1: a sum of the chosen times tables (by design the 2, 5 and 10 tables and
// their divisions).
Card dealLevel1(CardState& state, const TablesChoice& choice, const RandomFraction& random);

// Level 2: by design any product of two numbers from 1 to 10, multiplications only;
// fewer tables deal as Level 1 does.
Card dealLevel2(CardState& state, const TablesChoice& choice, const RandomFraction& random);

// Level 3: one of the number-fact cards of the chosen kinds (by design any of the 60).
Card dealLevel3(CardState& state, FactKinds kinds, const RandomFraction& random);

// A Level 3 card of the bank.
struct Level3Card {
    std::string_view text;
    std::vector<int> answers;
    FactKinds kinds;
};

// The 60 cards, card 1 first.
std::span<const Level3Card> level3Cards();

// The numeric value of an answer or caption: its leading number after any blanks,
// 0 when it does not begin with one ("x" is 0, " 56" is 56).
int answerValue(std::string_view text);

} // namespace zorbitan
