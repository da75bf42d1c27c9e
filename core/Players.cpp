// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Players.h"

namespace zorbitan {

std::optional<Player> playerWithOwnerCode(int ownerCode)
{
    if (ownerCode < 1 || ownerCode > maxPlayers) {
        return std::nullopt;
    }
    return playerAtIndex(ownerCode - 1);
}

} // namespace zorbitan
