// Feeds arbitrary bytes to the saved-game reader. Whatever they are, it either restores
// a game that can be played or fails leaving nothing a new game cannot set up again.

#include "SavedGame.h"

#include <QBuffer>
#include <cstdlib>

using namespace zorbitan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    Module1 shared;
    const bool restored = readSavedGame(shared, file);
    for (int n = 0; n <= board::lastNumber; ++n) {
        if (shared.boardowner[n] < 0 || shared.boardowner[n] > maxPlayers) {
            std::abort();
        }
    }
    const bool playersFit = shared.numberofplayers >= 1 && shared.numberofplayers <= maxPlayers;
    if (restored && (!playersFit || shared.savedturn < -1)) {
        std::abort();
    }
    if (!restored && shared.numberofplayers != 0 && !playersFit) {
        std::abort();
    }
    return 0;
}
