// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Cards.h"

#include "GameText.h"

#include <cctype>

namespace zorbitan {

namespace {
constexpr int tableNumbers[] = {2, 5, 10};
// The signs of a sum are each language's own: a German class writes 7 · 5 and 35 : 5.
constexpr const char* productWords = gameText("GameText", "%1 x %2");
constexpr const char* quotientWords = gameText("GameText", "%1 ÷ %2");

int draw(int n, const RandomFraction& random) { return numberFromOneTo(n, random()); }

// Numbers of Level 1 and 2 answers keep a place for their sign: " 56".
std::string withSignPlace(int value) { return (value < 0 ? "" : " ") + std::to_string(value); }

Card multiplication(int first, int second) { return {productWords, {first, second}, {withSignPlace(first * second)}}; }
} // namespace

Card dealLevel1(CardState& state, const RandomFraction& random)
{
    state.tableorder = static_cast<Integer>(choiceBelow(2, random()));
    state.cardkind = static_cast<Integer>(choiceBelow(3, random()));
    int table = 0;
    if (state.tableorder == 0) {
        table = tableNumbers[draw(3, random) - 1];
        state.firstfactor = static_cast<Integer>(table);
        state.secondfactor = static_cast<Integer>(draw(10, random));
    } else {
        state.firstfactor = static_cast<Integer>(draw(10, random));
        table = tableNumbers[draw(3, random) - 1];
        state.secondfactor = static_cast<Integer>(table);
    }
    const int product = state.firstfactor * state.secondfactor;
    if (state.cardkind < 2) {
        return multiplication(state.firstfactor, state.secondfactor);
    }
    // Both orders divide by the table number: 35 ÷ 5 whether 5 x 7 or 7 x 5 was drawn.
    const int otherFactor = product / table;
    return {quotientWords, {product, table}, {withSignPlace(otherFactor)}};
}

Card dealLevel2(CardState& state, const RandomFraction& random)
{
    state.firstfactor = static_cast<Integer>(draw(10, random));
    state.secondfactor = static_cast<Integer>(draw(10, random));
    return multiplication(state.firstfactor, state.secondfactor);
}

Card dealLevel3(CardState& state, const RandomFraction& random)
{
    state.cardnumber = static_cast<Integer>(draw(static_cast<int>(level3Cards().size()), random));
    const Level3Card& card = level3Cards()[static_cast<std::size_t>(state.cardnumber - 1)];
    Card dealt{std::string(card.text), {}, {}};
    for (const int answer : card.answers) {
        dealt.answers.push_back(std::to_string(answer));
    }
    return dealt;
}

int answerValue(std::string_view text)
{
    std::size_t at = 0;
    while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) {
        ++at;
    }
    bool negative = false;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        negative = text[at] == '-';
        ++at;
    }
    constexpr int cap = 1'000'000; // far beyond any board number; keeps long digit runs from overflowing
    int value = 0;
    for (; at < text.size() && std::isdigit(static_cast<unsigned char>(text[at])) != 0; ++at) {
        value = std::min(cap, value * 10 + (text[at] - '0'));
    }
    return negative ? -value : value;
}

} // namespace zorbitan
