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
