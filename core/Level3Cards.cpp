// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Cards.h"
#include "GameText.h"

#include <array>

namespace zorbitan {

namespace {
// The answers are kept with each card, not worked out from its words.
const std::array<Level3Card, 60> bank{{
    {gameText("GameText", "a prime number less than 10"), {2, 3, 5, 7}},                               // 1
    {gameText("GameText", "a multiple of 2 greater than 70 and less than 80"), {72, 74, 76, 78}},      // 2
    {gameText("GameText", "a prime number between 10 and 20"), {11, 13, 17, 19}},                      // 3
    {gameText("GameText", "a multiple of 2 greater than 80 and less than 90"), {82, 84, 86, 88}},      // 4
    {gameText("GameText", "a square number between 20 and 30"), {25}},                                 // 5
    {gameText("GameText", "an odd number between 90 and 100"), {91, 93, 95, 97, 99}},                  // 6
    {gameText("GameText", "the square root of 64"), {8}},                                              // 7
    {gameText("GameText", "a square number greater than 50"), {64, 81, 100}},                          // 8
    {gameText("GameText", "a multiple of 2 greater than 40 and less than 50"), {42, 44, 46, 48}},      // 9
    {gameText("GameText", "a multiple of 2 less than 10"), {2, 4, 6, 8}},                              // 10
    {gameText("GameText", "the square root of 9"), {3}},                                               // 11
    {gameText("GameText", "a multiple of 2 greater than 60 and less than 70"), {62, 64, 66, 68}},      // 12
    {gameText("GameText", "an odd number between 70 and 80"), {71, 73, 75, 77, 79}},                   // 13
    {gameText("GameText", "a multiple of 5 greater than 70 and less than 100"), {75, 80, 85, 90, 95}}, // 14
    {gameText("GameText", "a multiple of 9 less than 50"), {9, 18, 27, 36, 45}},                       // 15
    {gameText("GameText", "a factor of 10"), {1, 2, 5, 10}},                                           // 16
    {gameText("GameText", "a multiple of 8 between 50 and 100"), {56, 64, 72, 80, 88, 96}},            // 17
    {gameText("GameText", "a multiple of 7 less than 40"), {7, 14, 21, 28, 35}},                       // 18
    {gameText("GameText", "a factor of 25"), {1, 5, 25}},                                              // 19
    {gameText("GameText", "a multiple of 3 less than 20"), {3, 6, 9, 12, 15, 18}},                     // 20
    {gameText("GameText", "a prime number between 20 and 40"), {23, 29, 31, 37}},                      // 21
    {gameText("GameText", "a square number less than 10"), {1, 4, 9}},                                 // 22
    {gameText("GameText", "a multiple of 2 greater than 90 and less than 100"), {92, 94, 96, 98}},     // 23
    {gameText("GameText", "an odd number between 80 and 90"), {81, 83, 85, 87, 89}},                   // 24
    {gameText("GameText", "a square number between 40 and 50"), {49}},                                 // 25
    {gameText("GameText", "the square root of 49"), {7}},                                              // 26
    {gameText("GameText", "a multiple of 2 greater than 30 and less than 40"), {32, 34, 36, 38}},      // 27
    {gameText("GameText", "a factor of 9"), {1, 3, 9}},                                                // 28
    {gameText("GameText", "a square number between 10 and 20"), {16}},                                 // 29
    {gameText("GameText", "the square root of 100"), {10}},                                            // 30
    {gameText("GameText", "a factor of 20"), {1, 2, 4, 5, 10, 20}},                                    // 31
    {gameText("GameText", "the square root of 25"), {5}},                                              // 32
    {gameText("GameText", "a multiple of 2 greater than 20 and less than 30"), {22, 24, 26, 28}},      // 33
    {gameText("GameText", "the square root of 4"), {2}},                                               // 34
    {gameText("GameText", "the square root of 81"), {9}},                                              // 35
    {gameText("GameText", "an odd number between 30 and 40"), {31, 33, 35, 37, 39}},                   // 36
    {gameText("GameText", "a factor of 12"), {1, 2, 3, 4, 6, 12}},                                     // 37
    {gameText("GameText", "a factor of 18"), {1, 2, 3, 6, 9, 18}},                                     // 38
    {gameText("GameText", "a multiple of 2 greater than 50 and less than 60"), {52, 54, 56, 58}},      // 39
    {gameText("GameText", "a factor of 16"), {1, 2, 4, 8, 16}},                                        // 40
    {gameText("GameText", "67 to the nearest 10"), {70}},                                              // 41
    {gameText("GameText", "a factor of 8"), {1, 2, 4, 8}},                                             // 42
    {gameText("GameText", "an odd number less than 10"), {1, 3, 5, 7, 9}},                             // 43
    {gameText("GameText", "a factor of 35"), {1, 5, 7, 35}},                                           // 44
    {gameText("GameText", "26 to the nearest 10"), {30}},                                              // 45
    {gameText("GameText", "93 to the nearest 10"), {90}},                                              // 46
    {gameText("GameText", "a multiple of 9 that is an even number"), {18, 36, 54, 72, 90}},            // 47
    {gameText("GameText", "an odd number between 50 and 60"), {51, 53, 55, 57, 59}},                   // 48
    {gameText("GameText", "an odd number between 60 and 70"), {61, 63, 65, 67, 69}},                   // 49
    {gameText("GameText", "a multiple of 5 less than 30"), {5, 10, 15, 20, 25}},                       // 50
    {gameText("GameText", "a multiple of 9 that is an odd number"), {9, 27, 45, 63, 81, 99}},          // 51
    {gameText("GameText", "a square number between 30 and 40"), {36}},                                 // 52
    {gameText("GameText", "44 to the nearest 10"), {40}},                                              // 53
    {gameText("GameText", "an odd number between 20 and 30"), {21, 23, 25, 27, 29}},                   // 54
    {gameText("GameText", "the square root of 36"), {6}},                                              // 55
    {gameText("GameText", "the square root of 16"), {4}},                                              // 56
    {gameText("GameText", "a factor of 6"), {1, 2, 3, 6}},                                             // 57
    {gameText("GameText", "a prime number between 40 and 60"), {41, 43, 47, 53, 59}},                  // 58
    {gameText("GameText", "a prime number between 60 and 80"), {61, 67, 71, 73, 79}},                  // 59
    {gameText("GameText", "a prime number between 80 and 100"), {83, 89, 97}},                         // 60
}};
} // namespace

std::span<const Level3Card> level3Cards() { return bank; }

} // namespace zorbitan
