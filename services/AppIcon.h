// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

namespace zorbitan {

// The game's icon: a corner of the board, three squares by three in the board's
// colours, with a winning line of three blue counters across it. One description
// gives both the pictures and the scalable drawing, so they always agree.

// The icon drawn at size x size pixels.
QImage drawAppIcon(int size);

// The icon at the sizes window managers ask for, for every window of the game.
QIcon appIcon();

// The same icon as an SVG document.
QByteArray appIconSvg();

} // namespace zorbitan
