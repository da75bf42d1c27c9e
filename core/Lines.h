// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"
#include "Module1.h"

#include <array>
#include <optional>

namespace zorbitan {

using BoardLine = std::array<int, 3>;

// All 288 lines of three on the board, in the order the game scans them: across the
// rows, down the columns, then the two diagonals. Lines never wrap from row to row.
const std::array<BoardLine, 288>& allLines();

// The last line, in scan order, whose three numbers all hold the owner's counters.
std::optional<BoardLine> lastLineHeldBy(const std::array<Integer, board::lastNumber + 1>& boardowner, int owner);

} // namespace zorbitan
