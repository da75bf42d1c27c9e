// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "CardChoice.h"

#include "Cards.h"

namespace zorbitan {

std::vector<int> TablesChoice::chosen() const
{
    std::vector<int> numbers;
    for (int table = 1; table <= highestTable; ++table) {
        if (has(table)) {
            numbers.push_back(table);
        }
    }
    return numbers;
}

TablesChoice tablesOf(std::initializer_list<int> tables, bool divisions)
{
    TablesChoice choice{{}, divisions};
    for (const int table : tables) {
        choice.set(table, true);
    }
    return choice;
}

std::vector<int> level3CardsOf(FactKinds kinds)
{
    std::vector<int> numbers;
    const auto bank = level3Cards();
    for (std::size_t at = 0; at < bank.size(); ++at) {
        if ((bank[at].kinds & kinds).any()) {
            numbers.push_back(static_cast<int>(at) + 1);
        }
    }
    return numbers;
}

bool dealsEveryLevel(const CardChoice& choice)
{
    return choice.level1.tables.any() && choice.level2.tables.any() && !level3CardsOf(choice.level3).empty();
}

} // namespace zorbitan
