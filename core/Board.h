// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Rgb.h"
#include "Twips.h"

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
inline constexpr int squareGap = 60;
inline constexpr int frameMargin = 120;
inline constexpr int labelDrop = 120; // a number's label sits this far below its square's top
inline constexpr int labelHeight = 480;

// The hidden template square every board square is laid out from.
inline constexpr TwipRect templateSquare{4800, 1200, 600, 600};

constexpr bool isBoardNumber(int n) { return n >= firstNumber && n <= lastNumber; }
constexpr int rowOf(int n) { return (n - 1) / side; }
constexpr int columnOf(int n) { return (n - 1) % side; }

// Where square n lies when the board is laid out from the given template square.
constexpr TwipRect squareRect(int n, const TwipRect& templ = templateSquare)
{
    return TwipRect{columnOf(n) * (templ.width + squareGap) + templ.left,
                    rowOf(n) * (templ.height + squareGap) + templ.top, templ.width, templ.height};
}

// The number label: as wide as its square, dropped a little so the digits sit in the middle.
constexpr TwipRect numberLabelRect(const TwipRect& square)
{
    return TwipRect{square.left, square.top + labelDrop, square.width, labelHeight};
}

// The black frame: ten squares, nine gaps and a margin on each side.
constexpr TwipRect frameRect(const TwipRect& templ = templateSquare)
{
    const int gaps = (side - 1) * squareGap + 2 * frameMargin;
    return TwipRect{templ.left - frameMargin, templ.top - frameMargin, side * templ.width + gaps,
                    side * templ.height + gaps};
}
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
