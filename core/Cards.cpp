// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Cards.h"

#include "GameText.h"

#include <cctype>

namespace zorbitan {

namespace {
// The signs of a sum are each language's own: a German class writes 7 · 5 and 35 : 5.
constexpr const char* productWords = gameText("GameText", "%1 x %2");
constexpr const char* quotientWords = gameText("GameText", "%1 ÷ %2");

int draw(int n, const RandomFraction& random) { return numberFromOneTo(n, random()); }

// Numbers of Level 1 and 2 answers keep a place for their sign: " 56".
std::string withSignPlace(int value) { return (value < 0 ? "" : " ") + std::to_string(value); }

Card multiplication(int first, int second) { return {productWords, {first, second}, {withSignPlace(first * second)}}; }

// The product divided by one of its factors; the other factor answers it.
Card division(int divisor, int otherFactor)
{
    return {quotientWords, {divisor * otherFactor, divisor}, {withSignPlace(otherFactor)}};
}

const CardChoice design;

// A choice that leaves a level without a card deals as the design does.
const TablesChoice& dealable(const TablesChoice& choice, const TablesChoice& design)
{
    return choice.tables.any() ? choice : design;
}

// A sum of one of the chosen tables. Drawn in this order: which side the table number
// stands on, whether the card is a division (only when divisions come up), then the
// table and the other factor in the table order.
Card tableSum(CardState& state, const TablesChoice& choice, const RandomFraction& random)
{
    const std::vector<int> tables = choice.chosen();
    const auto drawTable = [&] {
        return tables[static_cast<std::size_t>(draw(static_cast<int>(tables.size()), random) - 1)];
    };
    state.tableorder = static_cast<Integer>(choiceBelow(2, random()));
    state.cardkind = static_cast<Integer>(choice.divisions ? choiceBelow(3, random()) : 0);
    int table = 0;
    if (state.tableorder == 0) {
        table = drawTable();
        state.firstfactor = static_cast<Integer>(table);
        state.secondfactor = static_cast<Integer>(draw(10, random));
    } else {
        state.firstfactor = static_cast<Integer>(draw(10, random));
        table = drawTable();
        state.secondfactor = static_cast<Integer>(table);
    }
    if (state.cardkind < 2) {
        return multiplication(state.firstfactor, state.secondfactor);
    }
    // Both orders divide by the table number: 35 ÷ 5 whether 5 x 7 or 7 x 5 was drawn.
    return division(table, state.firstfactor * state.secondfactor / table);
}
} // namespace

Card dealLevel1(CardState& state, const TablesChoice& choice, const RandomFraction& random)
{
    return tableSum(state, dealable(choice, design.level1), random);
}

Card dealLevel2(CardState& state, const TablesChoice& choice, const RandomFraction& random)
{
    const TablesChoice& dealt = dealable(choice, design.level2);
    if (!dealt.tables.all()) {
        return tableSum(state, dealt, random);
    }
    // Every table: two factors over the whole range, and a division, when they come up,
    // by the first.
    const bool isDivision = dealt.divisions && choiceBelow(3, random()) == 2;
    state.firstfactor = static_cast<Integer>(draw(10, random));
    state.secondfactor = static_cast<Integer>(draw(10, random));
    return isDivision ? division(state.firstfactor, state.secondfactor)
                      : multiplication(state.firstfactor, state.secondfactor);
}

Card dealLevel3(CardState& state, FactKinds kinds, const RandomFraction& random)
{
    std::vector<int> numbers = level3CardsOf(kinds);
    if (numbers.empty()) {
        numbers = level3CardsOf(design.level3);
    }
    state.cardnumber =
        static_cast<Integer>(numbers[static_cast<std::size_t>(draw(static_cast<int>(numbers.size()), random) - 1)]);
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
