#include "Cards.h"

#include <deque>
#include <gtest/gtest.h>

using namespace zorbitan;

namespace {
// The fraction that makes a draw of n land on the given 0-based position.
double pick(int position, int outOf) { return (position + 0.5) / outOf; }

// A random source that returns the given fractions and counts how many were drawn.
struct Script {
    std::deque<double> fractions;
    int drawn = 0;

    RandomFraction source()
    {
        return [this] {
            ++drawn;
            const double fraction = fractions.front();
            fractions.pop_front();
            return fraction;
        };
    }
};

// A Level 1 card: table order, card kind, then the table (1 gives 2, 2 gives 5,
// 3 gives 10) and the other factor, in the order the table order says.
Card level1(int tableorder, int cardkind, int tablePick, int factor, CardState& state, int* drawn = nullptr)
{
    Script script;
    script.fractions = {pick(tableorder, 2), pick(cardkind, 3)};
    if (tableorder == 0) {
        script.fractions.insert(script.fractions.end(), {pick(tablePick - 1, 3), pick(factor - 1, 10)});
    } else {
        script.fractions.insert(script.fractions.end(), {pick(factor - 1, 10), pick(tablePick - 1, 3)});
    }
    Card card = dealLevel1(state, script.source());
    if (drawn != nullptr) {
        *drawn = script.drawn;
    }
    return card;
}

const std::vector<std::string> only(const char* answer) { return {answer}; }
} // namespace

TEST(Level1Cards, MultiplicationsShowTheTableWhereItWasDrawn)
{
    CardState state;
    int drawn = 0;
    const Card tenTens = level1(0, 0, 3, 10, state, &drawn);
    EXPECT_EQ(tenTens.text, "10 x 10");
    EXPECT_EQ(tenTens.answers, only(" 100"));
    EXPECT_EQ(drawn, 4);

    EXPECT_EQ(level1(1, 1, 1, 9, state).text, "9 x 2");
    EXPECT_EQ(state.tableorder, 1);
    EXPECT_EQ(state.firstfactor, 9);
    EXPECT_EQ(state.secondfactor, 2);
    const Card twoNines = level1(0, 0, 1, 9, state);
    EXPECT_EQ(twoNines.text, "2 x 9");
    EXPECT_EQ(twoNines.answers, only(" 18"));
}

TEST(Level1Cards, DivisionsAlwaysDivideByTheTable)
{
    CardState state;
    const Card hundred = level1(0, 2, 3, 10, state);
    EXPECT_EQ(hundred.text, "100 \u00F7 10");
    EXPECT_EQ(hundred.answers, only(" 10"));
    EXPECT_EQ(state.cardkind, 2);

    // 5 x 7 and 7 x 5 both become 35 ÷ 5.
    EXPECT_EQ(level1(0, 2, 2, 7, state).text, "35 \u00F7 5");
    const Card swapped = level1(1, 2, 2, 7, state);
    EXPECT_EQ(swapped.text, "35 \u00F7 5");
    EXPECT_EQ(swapped.answers, only(" 7"));
}

TEST(Level1Cards, ManyDealsStayOnTheBoardAndMixBothKinds)
{
    CardState state;
    const RandomFraction random = seededRandom(42);
    int divisions = 0;
    int tableFirst = 0;
    constexpr int deals = 3000;
    for (int i = 0; i < deals; ++i) {
        const Card card = dealLevel1(state, random);
        const int answer = answerValue(card.answers.at(0));
        ASSERT_GE(answer, 1);
        ASSERT_LE(answer, 100);
        const int table = state.tableorder == 0 ? state.firstfactor : state.secondfactor;
        ASSERT_TRUE(table == 2 || table == 5 || table == 10) << card.text;
        if (state.cardkind == 2) {
            ++divisions;
            ASSERT_EQ(answer, state.firstfactor * state.secondfactor / table) << card.text;
        } else {
            ASSERT_EQ(answer, state.firstfactor * state.secondfactor) << card.text;
        }
        tableFirst += state.tableorder == 0 ? 1 : 0;
    }
    EXPECT_NEAR(divisions, deals / 3, deals / 20);
    EXPECT_NEAR(tableFirst, deals / 2, deals / 20);
}

TEST(Level2Cards, ProductsOfOneToTenAndNoDivisions)
{
    CardState state;
    Script ones;
    ones.fractions = {0.0, 0.0};
    const Card oneByOne = dealLevel2(state, ones.source());
    EXPECT_EQ(oneByOne.text, "1 x 1");
    EXPECT_EQ(oneByOne.answers, only(" 1"));
    EXPECT_EQ(ones.drawn, 2);

    // A division left behind by a Level 1 card does not turn a Level 2 card into one.
    state.cardkind = 2;
    Script sevenEights;
    sevenEights.fractions = {pick(6, 10), pick(7, 10)};
    const Card card = dealLevel2(state, sevenEights.source());
    EXPECT_EQ(card.text, "7 x 8");
    EXPECT_EQ(card.answers, only(" 56"));

    const RandomFraction random = seededRandom(7);
    for (int i = 0; i < 2000; ++i) {
        const Card dealt = dealLevel2(state, random);
        ASSERT_EQ(answerValue(dealt.answers.at(0)), state.firstfactor * state.secondfactor);
        ASSERT_EQ(dealt.text.find("\u00F7"), std::string::npos);
    }
}

TEST(Level3Cards, DealTheCardOfTheDrawnNumberWithPlainDigits)
{
    CardState state;
    Script seven;
    seven.fractions = {pick(6, 60)};
    const Card root = dealLevel3(state, seven.source());
    EXPECT_EQ(state.cardnumber, 7);
    EXPECT_EQ(root.text, "the square root of 64");
    EXPECT_EQ(root.answers, only("8"));

    Script twenty;
    twenty.fractions = {pick(30, 60)};
    const Card factors = dealLevel3(state, twenty.source());
    EXPECT_EQ(factors.text, "a factor of 20");
    EXPECT_EQ(factors.answers, (std::vector<std::string>{"1", "2", "4", "5", "10", "20"}));

    Script last;
    last.fractions = {0.9999999};
    EXPECT_EQ(dealLevel3(state, last.source()).text, "a prime number between 80 and 100");
}

TEST(AnswerValues, TextsCompareAsNumbers)
{
    EXPECT_EQ(answerValue(" 56"), 56);
    EXPECT_EQ(answerValue("56"), 56);
    EXPECT_EQ(answerValue("x"), 0);
    EXPECT_EQ(answerValue(""), 0);
    EXPECT_EQ(answerValue("   7 apples"), 7);
    EXPECT_EQ(answerValue("-3"), -3);
    EXPECT_EQ(answerValue("99999999999999999999"), 1000000);
}

TEST(RandomDraws, EveryNumberIsReachableAndNoneBeyond)
{
    EXPECT_EQ(numberFromOneTo(10, 0.0), 1);
    EXPECT_EQ(numberFromOneTo(10, 0.999999), 10);
    EXPECT_EQ(choiceBelow(3, 0.5), 1);
    // A faulty source cannot push a draw outside its table.
    EXPECT_EQ(numberFromOneTo(10, 1.0), 10);
    EXPECT_EQ(numberFromOneTo(10, -0.5), 1);
    const RandomFraction a = seededRandom(99);
    const RandomFraction b = seededRandom(99);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(a(), b());
    }
}
