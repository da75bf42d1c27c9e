#pragma once

#include "Rgb.h"

#include <array>
#include <optional>
#include <string_view>

namespace zorbitan {

inline constexpr int maxPlayers = 4;

// One row of the player table. Players play in this order: Blue, Red, Green, Yellow.
struct Player {
    std::string_view name;   // "Blue"
    int ownerCode;           // value kept in boardowner and winner: 1..4
    std::string_view prefix; // two letters used in counter picture names
    Rgb colour;              // the player's own colour
};

inline constexpr std::array<Player, maxPlayers> players{{
    {"Blue", 1, "bl", colours::blue},
    {"Red", 2, "re", colours::red},
    {"Green", 3, "gr", colours::green},
    {"Yellow", 4, "ye", colours::yellow},
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
