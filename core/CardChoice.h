// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <bitset>
#include <span>
#include <vector>

namespace zorbitan {

inline constexpr int highestTable = 10;

// The kinds of number fact a Level 3 card asks about, as the rules name them.
enum class FactKind { primes, factors, multiples, squares, oddAndEven, greaterAndLess, nearestTen };
inline constexpr int factKindCount = 7;
using FactKinds = std::bitset<factKindCount>;

constexpr std::size_t bit(FactKind kind) { return static_cast<std::size_t>(kind); }

// The times tables a level deals from, and whether it deals their divisions.
struct TablesChoice {
    std::bitset<highestTable> tables; // bit t - 1 for the t times table
    bool divisions = false;

    bool has(int table) const { return tables.test(static_cast<std::size_t>(table - 1)); }
    void set(int table, bool chosen) { tables.set(static_cast<std::size_t>(table - 1), chosen); }
    // The chosen tables, smallest first.
    std::vector<int> chosen() const;
    bool operator==(const TablesChoice&) const = default;
};

TablesChoice tablesOf(std::initializer_list<int> tables, bool divisions);

// Which cards each level deals. A default choice is the design's: Level 1 the 2, 5 and
// 10 tables with their divisions, Level 2 every product up to 10 x 10 without divisions,
// Level 3 every card of the bank.
struct CardChoice {
    TablesChoice level1 = tablesOf({2, 5, 10}, true);
    TablesChoice level2 = tablesOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10}, false);
    FactKinds level3 = FactKinds().set();

    bool operator==(const CardChoice&) const = default;
};

// The numbers of the Level 3 cards that ask about any of the kinds, in the bank's order.
std::vector<int> level3CardsOf(FactKinds kinds);

// Every level has a card to deal.
bool dealsEveryLevel(const CardChoice& choice);

} // namespace zorbitan
