// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <random>

namespace zorbitan {

// A source of uniform fractions in [0, 1). The cards draw from one; tests hand in their own.
using RandomFraction = std::function<double()>;

// A repeatable source: the same seed gives the same cards. Every copy draws from the
// one sequence, so a run keeps a single source however many games it hands it to.
inline RandomFraction seededRandom(std::uint64_t seed)
{
    auto engine = std::make_shared<std::mt19937_64>(seed);
    return [engine] { return std::uniform_real_distribution<double>(0.0, 1.0)(*engine); };
}

// "A number from 1 to n": each of 1..n equally likely.
int numberFromOneTo(int n, double fraction);

// "A choice of 0 to n - 1".
int choiceBelow(int n, double fraction);

} // namespace zorbitan
