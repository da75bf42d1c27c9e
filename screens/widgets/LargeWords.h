// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QBrush;
class QFont;
class QPainter;
class QPointF;
class QString;

namespace zorbitan {

// Qt draws the letters of a face this large and larger (in pixels of the device) from their
// outlines at each paint, not from the letters it keeps drawn, and leaves out the thickening
// of a bold face made from a regular one: its outlines are thickened only in smaller faces.
constexpr double smallestOutlinedFace = 64;

// Draws words in a face of any size along their baseline, laid out as Qt lays them out,
// and bold as Qt makes a bold of a regular face. Qt draws the letters of a large face from
// their outlines at each paint, unthickened; here each letter is drawn once at its size, in
// its colour, and copied wherever it stands.
void drawWords(QPainter& painter, const QPointF& baseline, const QFont& font, const QString& words,
               const QBrush& colour);

} // namespace zorbitan
