// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Rgb.h"

#include <optional>
#include <string_view>

namespace zorbitan {

inline constexpr int lowestLevel = 1;
inline constexpr int highestLevel = 3;

// How the card area looks while a player of a level is to play.
struct LevelStyle {
    int level;
    Rgb cardFill;          // Shape4
    Rgb cardFaceText;      // Label4
    int cardFaceTop;       // Label4's top, applied when the game screen loads
    Rgb answerListText;    // Label6
    Rgb answerHeadingText; // Label7
    Rgb levelText;         // Label11
    std::string_view levelCaption;
};

constexpr bool isLevel(int level) { return level >= lowestLevel && level <= highestLevel; }

// The style of a level; none for a level outside 1..3.
std::optional<LevelStyle> levelStyle(int level);

} // namespace zorbitan
