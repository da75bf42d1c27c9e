// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Board.h"

#include <algorithm>

namespace zorbitan {

namespace {
constexpr std::array yellowBeyondTen{12, 16, 18, 20, 36};
constexpr std::array magentaNumbers{11, 13, 17, 19, 23, 29, 31, 50, 60, 75, 85, 88, 95, 96, 99};
constexpr std::array orangeNumbers{14, 21, 28, 54, 56, 63, 64, 80, 81};
constexpr std::array redNumbers{15, 24, 25, 27, 30, 35, 40, 45, 72, 90};
constexpr std::array greenNumbers{32, 42, 48, 49, 70};

bool contains(std::span<const int> numbers, int n) { return std::ranges::find(numbers, n) != numbers.end(); }
} // namespace

const SquareColourInfo& squareColourInfo(SquareColour colour)
{
    return *std::ranges::find(squareColours, colour, &SquareColourInfo::colour);
}

std::span<const int> numbersColoured(SquareColour colour)
{
    switch (colour) {
    case SquareColour::Yellow: return yellowBeyondTen;
    case SquareColour::Magenta: return magentaNumbers;
    case SquareColour::Orange: return orangeNumbers;
    case SquareColour::Red: return redNumbers;
    case SquareColour::Green: return greenNumbers;
    case SquareColour::Blue: break;
    }
    return {};
}

SquareColour designedSquareColour(int n)
{
    if (n <= board::side) {
        return SquareColour::Yellow;
    }
    for (const auto& info : squareColours) {
        if (contains(numbersColoured(info.colour), n)) {
            return info.colour;
        }
    }
    return SquareColour::Blue;
}

std::optional<SquareColourInfo> squareColourFromRgb(Rgb fill)
{
    const auto* found = std::ranges::find(squareColours, fill, &SquareColourInfo::rgb);
    if (found == squareColours.end()) {
        return std::nullopt;
    }
    return *found;
}

std::string counterPicturePath(std::string_view squarePrefix, std::string_view playerPrefix)
{
    std::string path = "counters\\";
    path += squarePrefix;
    path += playerPrefix;
    path += ".bmp";
    return path;
}

} // namespace zorbitan
