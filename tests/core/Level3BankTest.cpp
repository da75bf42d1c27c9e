// Every Level 3 card's answers are worked out again from the card's own words, so a
// mistyped answer in the bank fails.

#include "Cards.h"

#include <functional>
#include <gtest/gtest.h>
#include <regex>
#include <set>

using namespace zorbitan;

namespace {
bool isPrime(int n)
{
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0) {
            return false;
        }
    }
    return n > 1;
}

bool isSquare(int n)
{
    int root = 1;
    while (root * root < n) {
        ++root;
    }
    return root * root == n;
}

using Fact = std::function<bool(int n, int a, int b, int c)>;

// Each kind of card: its words, with up to three numbers, and what makes n an answer.
const std::vector<std::pair<std::regex, Fact>>& kinds()
{
    static const std::vector<std::pair<std::regex, Fact>> all{
        {std::regex("a prime number less than (\\d+)"), [](int n, int a, int, int) { return isPrime(n) && n < a; }},
        {std::regex("a prime number between (\\d+) and (\\d+)"),
         [](int n, int a, int b, int) { return isPrime(n) && n > a && n < b; }},
        {std::regex("a multiple of (\\d+) (?:greater than|between) (\\d+) and (?:less than )?(\\d+)"),
         [](int n, int a, int b, int c) { return n % a == 0 && n > b && n < c; }},
        {std::regex("a multiple of (\\d+) less than (\\d+)"),
         [](int n, int a, int b, int) { return n % a == 0 && n < b; }},
        {std::regex("a multiple of (\\d+) that is an even number"),
         [](int n, int a, int, int) { return n % a == 0 && n % 2 == 0; }},
        {std::regex("a multiple of (\\d+) that is an odd number"),
         [](int n, int a, int, int) { return n % a == 0 && n % 2 == 1; }},
        {std::regex("a square number between (\\d+) and (\\d+)"),
         [](int n, int a, int b, int) { return isSquare(n) && n > a && n < b; }},
        {std::regex("a square number greater than (\\d+)"),
         [](int n, int a, int, int) { return isSquare(n) && n > a; }},
        {std::regex("a square number less than (\\d+)"), [](int n, int a, int, int) { return isSquare(n) && n < a; }},
        {std::regex("an odd number between (\\d+) and (\\d+)"),
         [](int n, int a, int b, int) { return n % 2 == 1 && n > a && n < b; }},
        {std::regex("an odd number less than (\\d+)"), [](int n, int a, int, int) { return n % 2 == 1 && n < a; }},
        {std::regex("the square root of (\\d+)"), [](int n, int a, int, int) { return n * n == a; }},
        {std::regex("a factor of (\\d+)"), [](int n, int a, int, int) { return a % n == 0; }},
        {std::regex("(\\d+) to the nearest 10"), [](int n, int a, int, int) { return n == (a + 5) / 10 * 10; }},
    };
    return all;
}

std::vector<int> numbersDescribedBy(const std::string& text)
{
    for (const auto& [words, fact] : kinds()) {
        std::smatch m;
        if (!std::regex_match(text, m, words)) {
            continue;
        }
        const auto number = [&m](std::size_t i) { return i < m.size() ? std::stoi(m[i].str()) : 0; };
        std::vector<int> numbers;
        for (int n = 1; n <= 100; ++n) {
            if (fact(n, number(1), number(2), number(3))) {
                numbers.push_back(n);
            }
        }
        return numbers;
    }
    return {};
}
} // namespace

TEST(Level3Bank, EveryCardsAnswersFollowFromItsWords)
{
    ASSERT_EQ(level3Cards().size(), 60U);
    std::set<int> full;
    std::set<std::string_view> texts;
    for (std::size_t i = 0; i < level3Cards().size(); ++i) {
        const Level3Card& card = level3Cards()[i];
        const std::vector<int> expected = numbersDescribedBy(std::string(card.text));
        ASSERT_FALSE(expected.empty()) << "card " << i + 1 << " is not understood: " << card.text;
        EXPECT_EQ(card.answers, expected) << "card " << i + 1 << ": " << card.text;
        if (card.answers.size() == 6) {
            full.insert(static_cast<int>(i) + 1);
        }
        texts.insert(card.text);
    }
    EXPECT_EQ(full, (std::set<int>{17, 20, 31, 37, 38, 51}));
    EXPECT_EQ(texts.size(), 60U);
}
