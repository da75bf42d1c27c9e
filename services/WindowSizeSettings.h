// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorbitan {

// The sizes a player may give the game's screens, as a scale of the design's.
inline constexpr double smallestScale = 0.5;
inline constexpr double largestScale = 4;

// The size the player last chose, kept between runs in the user's settings as desktop
// programs keep their windows (group "Window", apart from the teacher's choice; the
// saved game is not touched). The design's size on a first run or for a value that is
// not a size; a size out of range gives way to the nearest allowed.
double readChosenScale();
void keepChosenScale(double scale);

} // namespace zorbitan
