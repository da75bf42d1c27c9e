// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LevelStyle.h"

#include "GameText.h"

#include <array>

namespace zorbitan {

namespace {
constexpr std::array<LevelStyle, 3> styles{{
    {1, colours::yellow, colours::black, 3120, colours::blue, colours::blue, colours::yellow,
     gameText("GameText", "Level 1")},
    {2, colours::purple, colours::yellow, 3120, colours::white, colours::white, colours::purple,
     gameText("GameText", "Level 2")},
    {3, colours::blue, colours::yellow, 2160, colours::white, colours::white, colours::blue,
     gameText("GameText", "Level 3")},
}};
} // namespace

std::optional<LevelStyle> levelStyle(int level)
{
    if (!isLevel(level)) {
        return std::nullopt;
    }
    return styles.at(static_cast<std::size_t>(level - lowestLevel));
}

} // namespace zorbitan
