// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zorbitan::testing {

// The design's table of the 60 Level 3 cards (tests/core/level3-cards.txt) in the bank's
// order: each card's words, and the numbers that answer it, as the bank lists them.
struct BankCard {
    std::string words;
    std::vector<std::string> answers;
};
inline const std::vector<BankCard>& level3Bank()
{
    static const std::vector<BankCard> bank = [] {
        std::vector<BankCard> cards;
        std::ifstream file(LEVEL3_CARDS);
        for (std::string line; std::getline(file, line);) {
            if (!line.starts_with('#')) {
                std::istringstream answers(line.substr(line.find(" | ") + 3));
                cards.push_back({line.substr(0, line.find(" | ")), {std::istream_iterator<std::string>(answers), {}}});
            }
        }
        return cards;
    }();
    return bank;
}

// The numbers that answer a card as the design gives them, never from the game's own
// slots: a sum worked out from its numbers, a number fact from the design's table.
inline std::set<int> answersTo(const std::string& words, const std::vector<int>& numbers = {})
{
    if (words == "%1 x %2" || words == "%1 \u00F7 %2") {
        return {words[3] == 'x' ? numbers.at(0) * numbers.at(1) : numbers.at(0) / numbers.at(1)};
    }
    std::set<int> answers;
    if (const auto card = std::ranges::find(level3Bank(), words, &BankCard::words); card != level3Bank().end()) {
        std::ranges::for_each(card->answers,
                              [&answers](const std::string& answer) { answers.insert(std::stoi(answer)); });
    }
    return answers;
}

// The kinds of fact a Level 3 card asks about, read from its words, as bits in the order
// the rules list them: primes, factors, multiples, squares and square roots, odd and
// even, greater and less than, the nearest ten.
inline unsigned factKindsOf(const std::string& words)
{
    const auto says = [&words](const char* part) { return words.find(part) != std::string::npos ? 1U : 0U; };
    return says("prime") | says("factor of") << 1 | says("multiple of") << 2 | says("square") << 3 |
           (says("odd") | says("even")) << 4 | (says("greater than") | says("less than")) << 5 | says("nearest") << 6;
}

} // namespace zorbitan::testing
