// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Cards.h"
#include "TestGame.h"

#include <bitset>
#include <gtest/gtest.h>
#include <set>

using namespace zorbitan;
using namespace zorbitan::testing;
using Answers = std::vector<std::string>;

namespace {
const CardChoice design;

Card dealOf(int level, CardState& state, const CardChoice& choice, const RandomFraction& random)
{
    return level == 1   ? dealLevel1(state, choice.level1, random)
           : level == 2 ? dealLevel2(state, choice.level2, random)
                        : dealLevel3(state, choice.level3, random);
}

// A card of the design's choice dealt with draws landing on the positions given, each
// out of its number.
Card deal(int level, std::vector<std::pair<int, int>> draws, CardState state = {})
{
    ScriptedRandom random; // drawing more than given throws
    random.draw(draws);
    Card card = dealOf(level, state, design, std::ref(random));
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
        {deal(1, {{0, 2}, {0, 3}, {2, 3}, {9, 10}}), "%1 x %2", {10, 10}, " 100"},
        {deal(1, {{1, 2}, {1, 3}, {8, 10}, {0, 3}}), "%1 x %2", {9, 2}, " 18"},
        {deal(1, {{0, 2}, {2, 3}, {2, 3}, {9, 10}}), "%1 \u00F7 %2", {100, 10}, " 10"},
        {deal(1, {{1, 2}, {2, 3}, {6, 10}, {1, 3}}), "%1 \u00F7 %2", {35, 5}, " 7"}, // 7 x 5 divides too
        {deal(2, {{0, 10}, {0, 10}}), "%1 x %2", {1, 1}, " 1"},
        {deal(2, {{7, 10}, {6, 10}}, afterADivision), "%1 x %2", {8, 7}, " 56"},
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
    ASSERT_EQ(level3Bank().size(), 60U);
    for (std::size_t number = 0; number < 60; ++number) {
        const Card card = deal(3, {{static_cast<int>(number), 60}});
        EXPECT_EQ(card.text, level3Bank()[number].words) << "card " << number + 1;
        EXPECT_EQ(card.answers, level3Bank()[number].answers) << "card " << number + 1;
    }
}

namespace {
std::string sumOf(int first, int second) { return " " + std::to_string(first) + " " + std::to_string(second); }

// Every card a level deals from a choice, each checked against the answers the design
// gives it, as its words and numbers.
std::set<std::string> everyCardOf(int level, const CardChoice& choice, std::size_t cards, unsigned long seed)
{
    std::set<std::string> dealt;
    CardState state;
    const RandomFraction random = seededRandom(seed);
    for (std::size_t n = 0; n < 40 * cards; ++n) {
        const Card card = dealOf(level, state, choice, random);
        std::set<int> answers;
        std::ranges::transform(card.answers, std::inserter(answers, answers.end()), answerValue);
        EXPECT_EQ(answers, answersTo(card.text, card.numbers)) << card.text;
        dealt.insert(card.numbers.empty() ? card.text : card.text + sumOf(card.numbers[0], card.numbers[1]));
    }
    return dealt;
}
} // namespace

// A choice deals every card of its own and no other: at Levels 1 and 2 the sums of the
// chosen tables t (t x n and n x t for n from 1 to 10, and (t x n) / t with divisions),
// at Level 3 the cards whose words ask about a chosen kind. Each table and kind alone,
// all, none (which deals as the design does) and a spread of mixes.
TEST(Cards, EachChoiceDealsAllItsCardsAndNoOthers)
{
    for (const unsigned long set :
         {0, 1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1023, 0b1100, 0b1000010010, 0b101010101}) {
        for (const auto& [level, divisions] : {std::pair{1, false}, {1, true}, {2, false}, {2, true}}) {
            CardChoice choice;
            (level == 1 ? choice.level1 : choice.level2) = {std::bitset<highestTable>(set), divisions};
            const TablesChoice& meant =
                set != 0 ? (level == 1 ? choice.level1 : choice.level2) : (level == 1 ? design.level1 : design.level2);
            std::set<std::string> expected;
            for (const int t : meant.chosen()) {
                for (int n = 1; n <= 10; ++n) {
                    expected.insert({"%1 x %2" + sumOf(t, n), "%1 x %2" + sumOf(n, t)});
                    if (meant.divisions) {
                        expected.insert("%1 \u00F7 %2" + sumOf(t * n, t));
                    }
                }
            }
            EXPECT_EQ(everyCardOf(level, choice, expected.size(), set), expected) << "Level " << level << ", " << set;
        }
    }
    for (const unsigned long kinds : {0, 1, 2, 4, 8, 16, 32, 64, 127, 3, 0b1010100, 0b0101011}) {
        std::set<std::string> expected;
        for (const BankCard& card : level3Bank()) {
            expected.insert((factKindsOf(card.words) & (kinds != 0 ? kinds : 127U)) != 0 ? card.words : "");
        }
        expected.erase("");
        CardChoice choice;
        choice.level3 = FactKinds(kinds);
        EXPECT_EQ(everyCardOf(3, choice, expected.size(), kinds), expected) << "kinds " << kinds;
    }
}
