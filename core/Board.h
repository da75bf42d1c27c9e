// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Rgb.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace zorbitan {

// Board numbers run 1..100 in ten rows of ten, 1..10 along the top from left to right.
namespace board {
inline constexpr int firstNumber = 1;
inline constexpr int lastNumber = 100;
inline constexpr int side = 10;

constexpr bool isBoardNumber(int n) { return n >= firstNumber && n <= lastNumber; }
constexpr int rowOf(int n) { return (n - 1) / side; }
constexpr int columnOf(int n) { return (n - 1) % side; }
} // namespace board

enum class SquareColour { Yellow, Magenta, Orange, Red, Green, Blue };

struct SquareColourInfo {
    SquareColour colour;
    Rgb rgb;
    std::string_view prefix; // two letters used in counter picture names
};

// In the order the game tests a square's colour when it reads it back.
inline constexpr std::array<SquareColourInfo, 6> squareColours{{
    {SquareColour::Yellow, colours::yellow, "ye"},
    {SquareColour::Magenta, colours::magenta, "ma"},
    {SquareColour::Orange, colours::orange, "or"},
    {SquareColour::Red, colours::red, "re"},
    {SquareColour::Green, colours::green, "gr"},
    {SquareColour::Blue, colours::blue, "bl"},
}};

const SquareColourInfo& squareColourInfo(SquareColour colour);

// The numbers painted in a colour other than the blue of most of the board.
// Numbers 1..10 are yellow as well, from the template square.
std::span<const int> numbersColoured(SquareColour colour);

// The colour the board gives number n.
SquareColour designedSquareColour(int n);

// Reads a square's fill back as one of the six colours; none for any other value.
std::optional<SquareColourInfo> squareColourFromRgb(Rgb fill);

// "counters\" + square prefix + player prefix + ".bmp", as the game names its pictures.
std::string counterPicturePath(std::string_view squarePrefix, std::string_view playerPrefix);

} // namespace zorbitan
