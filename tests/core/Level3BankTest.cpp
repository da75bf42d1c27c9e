// Every Level 3 card's answers are worked out again here from the card's own words,
// so a mistyped answer in the bank fails.

#include "Cards.h"

#include <gtest/gtest.h>
#include <regex>
#include <set>

using namespace zorbitan;

namespace {
bool isPrime(int n)
{
    if (n < 2) {
        return false;
    }
    for (int d = 2; d * d <= n; ++d) {
        if (n % d == 0) {
            return false;
        }
    }
    return true;
}

bool isSquare(int n)
{
    for (int r = 1; r * r <= n; ++r) {
        if (r * r == n) {
            return true;
        }
    }
    return false;
}

// The board numbers the words of a card describe; empty when the words are not understood.
std::vector<int> numbersDescribedBy(const std::string& text)
{
    std::smatch m;
    const auto number = [&m](int group) { return std::stoi(m[group].str()); };
    std::function<bool(int)> test;
    if (std::regex_match(text, m, std::regex("a prime number less than (\\d+)"))) {
        test = [lt = number(1)](int n) { return isPrime(n) && n < lt; };
    } else if (std::regex_match(text, m, std::regex("a prime number between (\\d+) and (\\d+)"))) {
        test = [lo = number(1), hi = number(2)](int n) { return isPrime(n) && n > lo && n < hi; };
    } else if (std::regex_match(text, m, std::regex("a multiple of (\\d+) greater than (\\d+) and less than (\\d+)"))) {
        test = [k = number(1), lo = number(2), hi = number(3)](int n) { return n % k == 0 && n > lo && n < hi; };
    } else if (std::regex_match(text, m, std::regex("a multiple of (\\d+) between (\\d+) and (\\d+)"))) {
        test = [k = number(1), lo = number(2), hi = number(3)](int n) { return n % k == 0 && n > lo && n < hi; };
    } else if (std::regex_match(text, m, std::regex("a multiple of (\\d+) less than (\\d+)"))) {
        test = [k = number(1), lt = number(2)](int n) { return n % k == 0 && n < lt; };
    } else if (std::regex_match(text, m, std::regex("a multiple of (\\d+) that is an (even|odd) number"))) {
        test = [k = number(1), even = m[2].str() == "even"](int n) { return n % k == 0 && (n % 2 == 0) == even; };
    } else if (std::regex_match(text, m, std::regex("a square number between (\\d+) and (\\d+)"))) {
        test = [lo = number(1), hi = number(2)](int n) { return isSquare(n) && n > lo && n < hi; };
    } else if (std::regex_match(text, m, std::regex("a square number greater than (\\d+)"))) {
        test = [gt = number(1)](int n) { return isSquare(n) && n > gt; };
    } else if (std::regex_match(text, m, std::regex("a square number less than (\\d+)"))) {
        test = [lt = number(1)](int n) { return isSquare(n) && n < lt; };
    } else if (std::regex_match(text, m, std::regex("an odd number between (\\d+) and (\\d+)"))) {
        test = [lo = number(1), hi = number(2)](int n) { return n % 2 == 1 && n > lo && n < hi; };
    } else if (std::regex_match(text, m, std::regex("an odd number less than (\\d+)"))) {
        test = [lt = number(1)](int n) { return n % 2 == 1 && n < lt; };
    } else if (std::regex_match(text, m, std::regex("the square root of (\\d+)"))) {
        test = [of = number(1)](int n) { return n * n == of; };
    } else if (std::regex_match(text, m, std::regex("a factor of (\\d+)"))) {
        test = [of = number(1)](int n) { return of % n == 0; };
    } else if (std::regex_match(text, m, std::regex("(\\d+) to the nearest 10"))) {
        test = [of = number(1)](int n) { return n == (of + 5) / 10 * 10; };
    } else {
        return {};
    }
    std::vector<int> numbers;
    for (int n = 1; n <= 100; ++n) {
        if (test(n)) {
            numbers.push_back(n);
        }
    }
    return numbers;
}
} // namespace

TEST(Level3Bank, EveryCardsAnswersFollowFromItsWords)
{
    ASSERT_EQ(level3Cards().size(), 60U);
    int card = 0;
    for (const Level3Card& bankCard : level3Cards()) {
        ++card;
        const std::string text(bankCard.text);
        const std::vector<int> expected = numbersDescribedBy(text);
        ASSERT_FALSE(expected.empty()) << "card " << card << " is not understood: " << text;
        EXPECT_EQ(bankCard.answers, expected) << "card " << card << ": " << text;
    }
}

TEST(Level3Bank, AtMostSixAnswersAndSixCardsUseThemAll)
{
    std::set<int> full;
    std::set<std::string_view> texts;
    int card = 0;
    for (const Level3Card& bankCard : level3Cards()) {
        ++card;
        EXPECT_GE(bankCard.answers.size(), 1U);
        EXPECT_LE(bankCard.answers.size(), 6U);
        if (bankCard.answers.size() == 6) {
            full.insert(card);
        }
        texts.insert(bankCard.text);
    }
    EXPECT_EQ(full, (std::set<int>{17, 20, 31, 37, 38, 51}));
    EXPECT_EQ(texts.size(), 60U) << "two cards share their words";
    EXPECT_EQ(level3Cards()[0].text, "a prime number less than 10");
    EXPECT_EQ(level3Cards()[40].text, "67 to the nearest 10");
}
