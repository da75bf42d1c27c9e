#pragma once

#include <QFont>

namespace zorbitan {

// Makes Tahoma available: Debian ships a look-alike with Wine's fonts, in a folder
// fontconfig does not search. Arial resolves to Liberation Sans on its own.
void registerGameFonts();

// A font of the layout, given in points as designed for a 96 dpi screen. The size is
// fixed in pixels so the words fit their boxes whatever the desktop's dpi.
QFont gameFont(const QString& family, double points, bool bold);

inline QFont arial(double points, bool bold = true) { return gameFont(QStringLiteral("Arial"), points, bold); }
inline QFont tahoma(double points, bool bold = true) { return gameFont(QStringLiteral("Tahoma"), points, bold); }

} // namespace zorbitan
