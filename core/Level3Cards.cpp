// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Cards.h"
#include "GameText.h"

#include <array>

namespace zorbitan {

namespace {
constexpr unsigned long long kind(FactKind fact) { return 1ULL << bit(fact); }
constexpr auto primes = kind(FactKind::primes);
constexpr auto factors = kind(FactKind::factors);
constexpr auto multiples = kind(FactKind::multiples);
constexpr auto squares = kind(FactKind::squares);
constexpr auto oddAndEven = kind(FactKind::oddAndEven);
constexpr auto greaterAndLess = kind(FactKind::greaterAndLess);
constexpr auto nearestTen = kind(FactKind::nearestTen);

// The answers are kept with each card, not worked out from its words; each card is
// grouped under every kind of fact it asks about.
const std::array<Level3Card, 60> bank{{
    {gameText("GameText", "a prime number less than 10"), {2, 3, 5, 7}, primes | greaterAndLess}, // 1
    {gameText("GameText", "a multiple of 2 greater than 70 and less than 80"),
     {72, 74, 76, 78},
     multiples | greaterAndLess},                                                         // 2
    {gameText("GameText", "a prime number between 10 and 20"), {11, 13, 17, 19}, primes}, // 3
    {gameText("GameText", "a multiple of 2 greater than 80 and less than 90"),
     {82, 84, 86, 88},
     multiples | greaterAndLess},                                                                       // 4
    {gameText("GameText", "a square number between 20 and 30"), {25}, squares},                         // 5
    {gameText("GameText", "an odd number between 90 and 100"), {91, 93, 95, 97, 99}, oddAndEven},       // 6
    {gameText("GameText", "the square root of 64"), {8}, squares},                                      // 7
    {gameText("GameText", "a square number greater than 50"), {64, 81, 100}, squares | greaterAndLess}, // 8
    {gameText("GameText", "a multiple of 2 greater than 40 and less than 50"),
     {42, 44, 46, 48},
     multiples | greaterAndLess},                                                                     // 9
    {gameText("GameText", "a multiple of 2 less than 10"), {2, 4, 6, 8}, multiples | greaterAndLess}, // 10
    {gameText("GameText", "the square root of 9"), {3}, squares},                                     // 11
    {gameText("GameText", "a multiple of 2 greater than 60 and less than 70"),
     {62, 64, 66, 68},
     multiples | greaterAndLess},                                                                // 12
    {gameText("GameText", "an odd number between 70 and 80"), {71, 73, 75, 77, 79}, oddAndEven}, // 13
    {gameText("GameText", "a multiple of 5 greater than 70 and less than 100"),
     {75, 80, 85, 90, 95},
     multiples | greaterAndLess},                                                                              // 14
    {gameText("GameText", "a multiple of 9 less than 50"), {9, 18, 27, 36, 45}, multiples | greaterAndLess},   // 15
    {gameText("GameText", "a factor of 10"), {1, 2, 5, 10}, factors},                                          // 16
    {gameText("GameText", "a multiple of 8 between 50 and 100"), {56, 64, 72, 80, 88, 96}, multiples},         // 17
    {gameText("GameText", "a multiple of 7 less than 40"), {7, 14, 21, 28, 35}, multiples | greaterAndLess},   // 18
    {gameText("GameText", "a factor of 25"), {1, 5, 25}, factors},                                             // 19
    {gameText("GameText", "a multiple of 3 less than 20"), {3, 6, 9, 12, 15, 18}, multiples | greaterAndLess}, // 20
    {gameText("GameText", "a prime number between 20 and 40"), {23, 29, 31, 37}, primes},                      // 21
    {gameText("GameText", "a square number less than 10"), {1, 4, 9}, squares | greaterAndLess},               // 22
    {gameText("GameText", "a multiple of 2 greater than 90 and less than 100"),
     {92, 94, 96, 98},
     multiples | greaterAndLess},                                                                // 23
    {gameText("GameText", "an odd number between 80 and 90"), {81, 83, 85, 87, 89}, oddAndEven}, // 24
    {gameText("GameText", "a square number between 40 and 50"), {49}, squares},                  // 25
    {gameText("GameText", "the square root of 49"), {7}, squares},                               // 26
    {gameText("GameText", "a multiple of 2 greater than 30 and less than 40"),
     {32, 34, 36, 38},
     multiples | greaterAndLess},                                               // 27
    {gameText("GameText", "a factor of 9"), {1, 3, 9}, factors},                // 28
    {gameText("GameText", "a square number between 10 and 20"), {16}, squares}, // 29
    {gameText("GameText", "the square root of 100"), {10}, squares},            // 30
    {gameText("GameText", "a factor of 20"), {1, 2, 4, 5, 10, 20}, factors},    // 31
    {gameText("GameText", "the square root of 25"), {5}, squares},              // 32
    {gameText("GameText", "a multiple of 2 greater than 20 and less than 30"),
     {22, 24, 26, 28},
     multiples | greaterAndLess},                                                                // 33
    {gameText("GameText", "the square root of 4"), {2}, squares},                                // 34
    {gameText("GameText", "the square root of 81"), {9}, squares},                               // 35
    {gameText("GameText", "an odd number between 30 and 40"), {31, 33, 35, 37, 39}, oddAndEven}, // 36
    {gameText("GameText", "a factor of 12"), {1, 2, 3, 4, 6, 12}, factors},                      // 37
    {gameText("GameText", "a factor of 18"), {1, 2, 3, 6, 9, 18}, factors},                      // 38
    {gameText("GameText", "a multiple of 2 greater than 50 and less than 60"),
     {52, 54, 56, 58},
     multiples | greaterAndLess},                                                                       // 39
    {gameText("GameText", "a factor of 16"), {1, 2, 4, 8, 16}, factors},                                // 40
    {gameText("GameText", "67 to the nearest 10"), {70}, nearestTen},                                   // 41
    {gameText("GameText", "a factor of 8"), {1, 2, 4, 8}, factors},                                     // 42
    {gameText("GameText", "an odd number less than 10"), {1, 3, 5, 7, 9}, oddAndEven | greaterAndLess}, // 43
    {gameText("GameText", "a factor of 35"), {1, 5, 7, 35}, factors},                                   // 44
    {gameText("GameText", "26 to the nearest 10"), {30}, nearestTen},                                   // 45
    {gameText("GameText", "93 to the nearest 10"), {90}, nearestTen},                                   // 46
    {gameText("GameText", "a multiple of 9 that is an even number"),
     {18, 36, 54, 72, 90},
     multiples | oddAndEven},                                                                                // 47
    {gameText("GameText", "an odd number between 50 and 60"), {51, 53, 55, 57, 59}, oddAndEven},             // 48
    {gameText("GameText", "an odd number between 60 and 70"), {61, 63, 65, 67, 69}, oddAndEven},             // 49
    {gameText("GameText", "a multiple of 5 less than 30"), {5, 10, 15, 20, 25}, multiples | greaterAndLess}, // 50
    {gameText("GameText", "a multiple of 9 that is an odd number"),
     {9, 27, 45, 63, 81, 99},
     multiples | oddAndEven},                                                                    // 51
    {gameText("GameText", "a square number between 30 and 40"), {36}, squares},                  // 52
    {gameText("GameText", "44 to the nearest 10"), {40}, nearestTen},                            // 53
    {gameText("GameText", "an odd number between 20 and 30"), {21, 23, 25, 27, 29}, oddAndEven}, // 54
    {gameText("GameText", "the square root of 36"), {6}, squares},                               // 55
    {gameText("GameText", "the square root of 16"), {4}, squares},                               // 56
    {gameText("GameText", "a factor of 6"), {1, 2, 3, 6}, factors},                              // 57
    {gameText("GameText", "a prime number between 40 and 60"), {41, 43, 47, 53, 59}, primes},    // 58
    {gameText("GameText", "a prime number between 60 and 80"), {61, 67, 71, 73, 79}, primes},    // 59
    {gameText("GameText", "a prime number between 80 and 100"), {83, 89, 97}, primes},           // 60
}};
} // namespace

std::span<const Level3Card> level3Cards() { return bank; }

} // namespace zorbitan
