// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace zorbitan {

// Starts fontconfig reading its configuration and the system's fonts, the longest step
// of any Qt program's start, on a thread of its own while the program sets itself up.
void startReadingFonts();

// Makes Tahoma available: Debian ships a look-alike with Wine's fonts, in a folder
// fontconfig does not search. Waits for the reading started above, if any. Called
// as the first window is about to be painted, or a word is first measured, whichever
// comes first; only the first call does anything.
void registerGameFonts();

// A font of the layout, given in points as designed for a 96 dpi screen. The size is
// fixed in pixels so the words fit their boxes whatever the desktop's dpi.
QFont gameFont(const QString& family, double points, bool bold);

// Arial is drawn in Liberation Sans, its metric twin, asked for by name: what fontconfig
// would substitute for Arial, without searching for it first.
inline QFont arial(double points, bool bold = true)
{
    return gameFont(QStringLiteral("Liberation Sans"), points, bold);
}
inline QFont tahoma(double points, bool bold = true) { return gameFont(QStringLiteral("Tahoma"), points, bold); }

// True for a bold face that Qt makes by thickening the regular one's letters (see
// registerGameFonts); Liberation Sans has a bold face of its own.
bool boldMadeFromRegular(const QFont& font);

} // namespace zorbitan
