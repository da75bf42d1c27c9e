// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Lines.h"

namespace zorbitan {

namespace {
struct Scan {
    int lastRow;     // rows 0..lastRow
    int firstColumn; // columns firstColumn..lastColumn, counted 1..10
    int lastColumn;
    int step; // from one number of the line to the next
};

// Across a row, down a column, diagonal with the column rising, diagonal with it falling.
constexpr Scan scans[] = {{9, 1, 8, 1}, {7, 1, 10, 10}, {7, 1, 8, 11}, {7, 3, 10, 9}};

std::array<BoardLine, 288> buildLines()
{
    std::array<BoardLine, 288> lines{};
    std::size_t count = 0;
    for (const Scan& scan : scans) {
        for (int row = 0; row <= scan.lastRow; ++row) {
            for (int column = scan.firstColumn; column <= scan.lastColumn; ++column) {
                const int n = board::side * row + column;
                lines.at(count++) = {n, n + scan.step, n + 2 * scan.step};
            }
        }
    }
    return lines;
}
} // namespace

const std::array<BoardLine, 288>& allLines()
{
    static const std::array<BoardLine, 288> lines = buildLines();
    return lines;
}

std::optional<BoardLine> lastLineHeldBy(const std::array<Integer, board::lastNumber + 1>& boardowner, int owner)
{
    std::optional<BoardLine> found;
    for (const BoardLine& line : allLines()) {
        if (boardowner[line[0]] == owner && boardowner[line[1]] == owner && boardowner[line[2]] == owner) {
            found = line;
        }
    }
    return found;
}

} // namespace zorbitan
