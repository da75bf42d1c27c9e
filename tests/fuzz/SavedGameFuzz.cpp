// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes at all as a saved game: the reader must neither crash nor leave a value the
// game could not play with, and a game it brings back must be a possible one.

#include "SavedGame.h"

#include <QBuffer>
#include <cstdint>
#include <cstdlib>

using namespace zorbitan;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer file(&bytes);
    file.open(QIODevice::ReadOnly);
    Module1 shared;
    const bool restored = readSavedGame(shared, file);
    for (const Integer owner : shared.boardowner) {
        if (owner < 0 || owner > maxPlayers) {
            std::abort();
        }
    }
    const bool playersFit = shared.numberofplayers >= 1 && shared.numberofplayers <= maxPlayers;
    if ((restored || shared.numberofplayers != 0) && !playersFit) {
        std::abort();
    }
    if (restored && (shared.savedturn < -1 || !turnCanAdvance(shared.savedturn))) {
        std::abort();
    }
    return 0;
}
