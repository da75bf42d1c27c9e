// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Module1.h"

#include <QDir>
#include <QIODevice>
#include <QString>

namespace zorbitan {

// The saved game, "lastgame.inf": 203 lines of whole numbers, each ending CR LF.
// Lines 2k-1 and 2k hold board number k and the owner of its counter; then the number
// of players, the turn counter and the sound setting.
inline constexpr int savedGameLines = 203;

// Where the saved game lives in the folder that keeps it.
QString savedGamePath(const QDir& saveFolder);

// The saved game to bring back: the one in the folder that keeps it, or, while there
// is none, one left in the working folder (kept there before that folder could no
// longer be written).
QString savedGameToRestore(const QDir& saveFolder, const QDir& workingFolder);

// Writes the game to a temporary file beside the saved game and renames it over it,
// so a failed save leaves the earlier saved game as it was. Creates the folder that
// keeps it if need be. False when it failed.
bool saveGame(const Module1& shared, Integer turnnumber, const QString& path);

// Reads the saved game into the board, the number of players, savedturn and soundon,
// one value after the other. Stops at the first value that is missing, not a whole
// number, outside the 16-bit range, or not a possible number of players (1..4), owner
// (0..4) or turn counter (-1 up to one that can still advance); the values read
// before it stay. False then.
bool readSavedGame(Module1& shared, const QString& path);
bool readSavedGame(Module1& shared, QIODevice& file);

} // namespace zorbitan
