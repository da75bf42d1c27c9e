// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameText.h"

#include <string_view>

namespace zorbitan::publisher {

// Shown at the foot of every screen.
inline constexpr std::string_view notice =
    gameText("GameText", "Zorbitan \u00A9 2026 The Zorbitan makers. Free for schools and families.");

// The game's own web page, opened from the options screen, and how its button reads.
inline constexpr std::string_view webAddress = "https://zorbitan.example.org/";
inline constexpr std::string_view webAddressShown = "zorbitan.example.org";

} // namespace zorbitan::publisher
