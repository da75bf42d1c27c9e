// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <functional>
#include <string_view>

namespace zorbitan {

// Plays one of the game's sounds and returns at once. It plays unconditionally:
// whoever handles the event checks soundon first.
using PlayWav = std::function<void(std::string_view name)>;

namespace sounds {
inline constexpr std::string_view click = "wav\\click.wav";
inline constexpr std::string_view click1 = "wav\\click1.wav";
inline constexpr std::string_view stapler = "wav\\stapler.wav";
inline constexpr std::string_view subping = "wav\\subping.wav";
inline constexpr std::string_view boink = "wav\\boink.wav";
inline constexpr std::string_view klaxon = "wav\\klaxon.wav";

inline constexpr std::array all{click, click1, stapler, subping, boink, klaxon};
} // namespace sounds

} // namespace zorbitan
