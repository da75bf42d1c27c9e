// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QImage>

namespace zorbitan::datagen {

// The title picture, 320 x 240: the game's name over a little board in space. At a scale
// other than 1 it is the same drawing larger, for the game shown larger.
QImage drawTitlePicture(double scale = 1);

// The options screen's logo, 100 x 139: a ringed planet and the game's name.
QImage drawLogo(double scale = 1);

} // namespace zorbitan::datagen
