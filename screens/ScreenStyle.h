// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Rgb.h"
#include "ScreenScale.h"

#include <QFont>
#include <string_view>

class QCheckBox;
class QDir;
class QLabel;
class QWidget;

namespace zorbitan {

// The look the game's screens share: filled window backgrounds, transparent labels
// with centred text that wraps, black buttons, and red tick boxes with yellow text.
// Each screen's controls are made from its layout table (see ScreenScale.h).

void paintBackground(QWidget& widget, Rgb colour);
void styleLabel(QLabel& label, const QFont& font);

QCheckBox* makeCheckBox(QWidget* parent, const QFont& font);

// Shows a picture of the working folder in the label, at the picture's own size from
// the label's top left corner, and its larger drawings beside it where the screen is shown
// larger. False, and the label left empty, when it cannot be read.
bool loadPicture(QLabel& label, const QDir& workingFolder, std::string_view gamePath);

} // namespace zorbitan
