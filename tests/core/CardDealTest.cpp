#include "Cards.h"
#include "TestGame.h"

#include <deque>
#include <gtest/gtest.h>

using namespace zorbitan;
using zorbitan::testing::TestGame;

namespace {
// A random source that returns the given positions' fractions and counts the draws.
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

double at(int position, int outOf) { return TestGame::fractionFor(position, outOf); }

// Level 1 draws: table order, card kind, then the table (0: 2, 1: 5, 2: 10) and the
// factor in the order the table order says.
Card level1(int tableorder, int cardkind, int table, int factor, int* drawn = nullptr)
{
    Script script;
    script.fractions = {at(tableorder, 2), at(cardkind, 3)};
    if (tableorder == 0) {
        script.fractions.insert(script.fractions.end(), {at(table, 3), at(factor - 1, 10)});
    } else {
        script.fractions.insert(script.fractions.end(), {at(factor - 1, 10), at(table, 3)});
    }
    CardState state;
    Card card = dealLevel1(state, script.source());
    if (drawn != nullptr) {
        *drawn = script.drawn;
    }
    return card;
}

using Answers = std::vector<std::string>;
} // namespace

TEST(Cards, Level1TablesAndDivisions)
{
    int drawn = 0;
    const Card tens = level1(0, 0, 2, 10, &drawn);
    EXPECT_EQ(tens.text, "10 x 10");
    EXPECT_EQ(tens.answers, Answers{" 100"});
    EXPECT_EQ(drawn, 4);
    EXPECT_EQ(level1(1, 1, 0, 9).text, "9 x 2");
    EXPECT_EQ(level1(0, 0, 0, 9).text, "2 x 9");
    EXPECT_EQ(level1(0, 2, 2, 10).text, "100 \u00F7 10");
    EXPECT_EQ(level1(0, 2, 2, 10).answers, Answers{" 10"});
    // 5 x 7 and 7 x 5 both become 35 ÷ 5.
    EXPECT_EQ(level1(0, 2, 1, 7).text, "35 \u00F7 5");
    EXPECT_EQ(level1(1, 2, 1, 7).text, "35 \u00F7 5");
    EXPECT_EQ(level1(1, 2, 1, 7).answers, Answers{" 7"});
}

TEST(Cards, ManyLevel1And2DealsStayOnTheBoard)
{
    CardState state;
    const RandomFraction random = seededRandom(42);
    int divisions = 0;
    for (int i = 0; i < 3000; ++i) {
        const Card card = dealLevel1(state, random);
        const int table = state.tableorder == 0 ? state.firstfactor : state.secondfactor;
        const int product = state.firstfactor * state.secondfactor;
        ASSERT_TRUE(table == 2 || table == 5 || table == 10) << card.text;
        ASSERT_EQ(answerValue(card.answers.at(0)), state.cardkind == 2 ? product / table : product) << card.text;
        divisions += state.cardkind == 2 ? 1 : 0;
    }
    EXPECT_NEAR(divisions, 1000, 150);
    // Level 2 deals multiplications only, even after a Level 1 division.
    for (int i = 0; i < 2000; ++i) {
        const Card card = dealLevel2(state, random);
        ASSERT_EQ(answerValue(card.answers.at(0)), state.firstfactor * state.secondfactor) << card.text;
        ASSERT_EQ(card.text.find("\u00F7"), std::string::npos);
    }
    Script ones;
    ones.fractions = {0.0, 0.0};
    EXPECT_EQ(dealLevel2(state, ones.source()).text, "1 x 1");
    EXPECT_EQ(ones.drawn, 2);
}

TEST(Cards, Level3DealsTheDrawnCardWithPlainDigits)
{
    CardState state;
    Script script;
    script.fractions = {at(6, 60), at(30, 60), 0.9999999};
    const Card root = dealLevel3(state, script.source());
    EXPECT_EQ(root.text, "the square root of 64");
    EXPECT_EQ(root.answers, Answers{"8"});
    EXPECT_EQ(dealLevel3(state, script.source()).answers, (Answers{"1", "2", "4", "5", "10", "20"}));
    EXPECT_EQ(dealLevel3(state, script.source()).text, "a prime number between 80 and 100");
    EXPECT_EQ(state.cardnumber, 60);
}

TEST(Cards, AnswersCompareAsNumbersAndDrawsStayInRange)
{
    EXPECT_EQ(answerValue(" 56"), 56);
    EXPECT_EQ(answerValue("x"), 0);
    EXPECT_EQ(answerValue(""), 0);
    EXPECT_EQ(answerValue("  7 apples"), 7);
    EXPECT_EQ(answerValue("99999999999999999999"), 1000000);
    EXPECT_EQ(numberFromOneTo(10, 0.999999), 10);
    EXPECT_EQ(numberFromOneTo(10, 1.0), 10); // a faulty source stays inside the table
    EXPECT_EQ(numberFromOneTo(10, -0.5), 1);
}
