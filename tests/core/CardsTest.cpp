// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Cards.h"
#include "TestGame.h"

#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <sstream>

using namespace zorbitan;
using namespace zorbitan::testing;
using Answers = std::vector<std::string>;

namespace {
// A card dealt with draws landing on the positions given, each out of its number.
Card deal(Card (*dealer)(CardState&, const RandomFraction&), std::vector<std::pair<int, int>> draws,
          CardState state = {})
{
    ScriptedRandom random; // drawing more than given throws
    random.draw(draws);
    Card card = dealer(state, std::ref(random));
    EXPECT_TRUE(random.next.empty()) << "drawn fewer times than given";
    return card;
}
} // namespace

// Level 1 draws the table order, the kind (2: a division), then the table (2, 5 or 10)
// and the other factor in the table order; Level 2 draws two factors, and multiplies. The
// answer keeps a place for a sign.
TEST(Cards, Level1TablesAndDivisionsAndLevel2Products)
{
    CardState afterADivision;
    afterADivision.cardkind = 2;
    const std::tuple<Card, const char*, std::vector<int>, const char*> cards[] = {
        {deal(dealLevel1, {{0, 2}, {0, 3}, {2, 3}, {9, 10}}), "%1 x %2", {10, 10}, " 100"},
        {deal(dealLevel1, {{1, 2}, {1, 3}, {8, 10}, {0, 3}}), "%1 x %2", {9, 2}, " 18"},
        {deal(dealLevel1, {{0, 2}, {2, 3}, {2, 3}, {9, 10}}), "%1 \u00F7 %2", {100, 10}, " 10"},
        {deal(dealLevel1, {{1, 2}, {2, 3}, {6, 10}, {1, 3}}), "%1 \u00F7 %2", {35, 5}, " 7"}, // 7 x 5 divides too
        {deal(dealLevel2, {{0, 10}, {0, 10}}), "%1 x %2", {1, 1}, " 1"},
        {deal(dealLevel2, {{7, 10}, {6, 10}}, afterADivision), "%1 x %2", {8, 7}, " 56"},
    };
    for (const auto& [card, text, numbers, answer] : cards) {
        EXPECT_TRUE(card.text == text && card.numbers == numbers) << card.text << " " << answer;
        EXPECT_EQ(card.answers, Answers{answer}) << answer;
    }
}

// The 60 Level 3 cards word for word, with their answers in the bank's order, as the
// table in level3-cards.txt gives them.
TEST(Cards, Level3DealsEachCardOfTheBank)
{
    std::ifstream table(LEVEL3_CARDS);
    std::string line;
    int number = 0;
    while (std::getline(table, line)) {
        if (line.starts_with('#')) {
            continue;
        }
        const Card card = deal(dealLevel3, {{number++, 60}});
        const auto bar = line.find(" | ");
        EXPECT_EQ(card.text, line.substr(0, bar)) << "card " << number;
        std::istringstream answers(line.substr(bar + 3));
        EXPECT_EQ(card.answers, (Answers{std::istream_iterator<std::string>(answers), {}})) << "card " << number;
    }
    EXPECT_EQ(number, 60);
}
