// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Board.h"

#include <QDir>
#include <QHash>
#include <QImage>
#include <QPixmap>
#include <string_view>

namespace zorbitan {

inline constexpr int counterPictureSize = 40; // a board square, in pixels

// A player's counter on a square of the given colour: a disc in the player's colour
// with a black and white rim, so it stands out on every square, and the player's
// initial, so it is told apart without colour too.
// At a scale other than 1 it is the same drawing larger, as sharp as at the design's size.
QImage drawCounter(SquareColour square, int playerIndex, double scale = 1);

// The counter pictures of the board, read from the counters folder. A picture that is
// missing or unreadable is drawn instead, so the game never stops for one.
class CounterPictures {
public:
    explicit CounterPictures(const QDir& workingFolder);

    // gamePath is a game path such as "counters\yebl.bmp"; null for a name that
    // names no counter and has no file.
    QPixmap picture(std::string_view gamePath);
    // The counter drawn at the scale; null for a name that names no counter.
    QPixmap picture(std::string_view gamePath, double scale);

private:
    QDir workingFolder_;
    QHash<QString, QPixmap> cache_;
};

} // namespace zorbitan
