#pragma once

#include <cmath>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace zorbitan::testing {

// The numbers 1 to 100 that answer a card, worked out from the card's English words
// the way a teacher would, never from the game's own answers: "%1 x %2" and "%1 ÷ %2"
// with their numbers, and the number facts of Level 3 ("a multiple of 2 greater than
// 70 and less than 80", "93 to the nearest 10", ...). Bounds are strict.
inline std::set<int> answersTo(const std::string& words, const std::vector<int>& numbers = {})
{
    const auto number = [&](const char* pattern) {
        static std::map<const char*, std::regex> compiled; // the patterns are few and fixed
        const auto [at, fresh] = compiled.try_emplace(pattern, pattern);
        std::smatch found;
        return std::regex_search(words, found, at->second) ? std::stoi(found[1]) : -1;
    };
    if (words == "%1 x %2") {
        return {numbers.at(0) * numbers.at(1)};
    }
    if (words == "%1 \u00F7 %2") {
        return {numbers.at(0) / numbers.at(1)};
    }
    if (const int root = number("square root of (\\d+)"); root >= 0) {
        return {static_cast<int>(std::lround(std::sqrt(root)))};
    }
    if (const int near = number("^(\\d+) to the nearest 10"); near >= 0) {
        return {(near + 5) / 10 * 10};
    }
    const int factorOf = number("factor of (\\d+)");
    const int multipleOf = number("multiple of (\\d+)");
    const int above = std::max({0, number("greater than (\\d+)"), number("between (\\d+) and")});
    const int lessThan = std::max(number("less than (\\d+)"), number("between \\d+ and (\\d+)"));
    const int below = lessThan >= 0 ? lessThan : 101;
    const auto has = [&](const char* fact) { return words.find(fact) != std::string::npos; };
    std::set<int> answers;
    for (int n = above + 1; n < below && n <= 100; ++n) {
        bool prime = n > 1;
        for (int d = 2; d * d <= n; ++d) {
            prime = prime && n % d != 0;
        }
        const int root = static_cast<int>(std::lround(std::sqrt(n)));
        if ((factorOf < 0 || factorOf % n == 0) && (multipleOf < 0 || n % multipleOf == 0) &&
            (!has("prime") || prime) && (!has("square number") || root * root == n) &&
            (!has("odd number") || n % 2 == 1) && (!has("even number") || n % 2 == 0)) {
            answers.insert(n);
        }
    }
    return answers;
}

} // namespace zorbitan::testing
