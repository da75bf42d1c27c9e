// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace zorbitan::testing {

// The numbers that answer a card as the design gives them, never from the game's own
// slots: a sum worked out from its numbers, a number fact from the design's table of the
// 60 Level 3 cards (tests/core/level3-cards.txt: its words, then its answers).
inline std::set<int> answersTo(const std::string& words, const std::vector<int>& numbers = {})
{
    if (words == "%1 x %2" || words == "%1 \u00F7 %2") {
        return {words[3] == 'x' ? numbers.at(0) * numbers.at(1) : numbers.at(0) / numbers.at(1)};
    }
    static const std::map<std::string, std::set<int>> facts = [] {
        std::map<std::string, std::set<int>> table;
        std::ifstream file(LEVEL3_CARDS);
        for (std::string line; std::getline(file, line);) {
            std::istringstream answers(line.substr(line.find(" | ") + 3));
            table[line.substr(0, line.find(" | "))] = {std::istream_iterator<int>(answers), {}};
        }
        return table;
    }();
    const auto found = facts.find(words);
    return found != facts.end() ? found->second : std::set<int>{};
}

} // namespace zorbitan::testing
