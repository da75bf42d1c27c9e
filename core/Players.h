// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameText.h"
#include "Rgb.h"

#include <array>
#include <optional>
#include <string_view>

namespace zorbitan {

inline constexpr int maxPlayers = 4;

// One row of the player table. Players play in this order: Blue, Red, Green, Yellow.
// Each sentence about a player is whole, so a translation can put the name anywhere.
struct Player {
    std::string_view name;       // "Blue"
    int ownerCode;               // value kept in boardowner and winner: 1..4
    std::string_view prefix;     // two letters used in counter picture names
    Rgb colour;                  // the player's own colour
    std::string_view turnLine;   // "Blue to Play"
    std::string_view winMessage; // "BLUE HAS WON!"
};

inline constexpr std::array<Player, maxPlayers> players{{
    {"Blue", 1, "bl", colours::blue, gameText("GameText", "Blue to Play"), gameText("GameText", "BLUE HAS WON!")},
    {"Red", 2, "re", colours::red, gameText("GameText", "Red to Play"), gameText("GameText", "RED HAS WON!")},
    {"Green", 3, "gr", colours::green, gameText("GameText", "Green to Play"), gameText("GameText", "GREEN HAS WON!")},
    {"Yellow", 4, "ye", colours::yellow, gameText("GameText", "Yellow to Play"),
     gameText("GameText", "YELLOW HAS WON!")},
}};

// The player with 0-based index k (0 Blue .. 3 Yellow).
constexpr const Player& playerAtIndex(int k) { return players.at(static_cast<std::size_t>(k)); }

// The colour of the turn line and title word for a player: Red's own colour would
// vanish on the red screen, so Red is written in black there.
constexpr Rgb turnLineColour(const Player& player)
{
    return player.colour == colours::red ? colours::black : player.colour;
}

// The player whose owner code is given; none for 0 or anything outside 1..4.
std::optional<Player> playerWithOwnerCode(int ownerCode);

} // namespace zorbitan
