// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Twips.h"

#include <QHash>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

class QLabel;
class QPixmap;
class QWidget;

namespace zorbitan {

struct ScreenLayout;

// How large a screen is shown: its layout at a scale, from an origin that centres it in
// its window with even margins where the window's shape differs from the design's.
struct ScreenScale {
    double scale = 1;
    QPoint origin;

    QRect toPixels(const TwipRect& rect) const;
    // A length drawn at the design's size (a face, a border), at this scale.
    int pixels(int designPixels) const;
};

// The scale of the screen that the control stands on; one to one off any screen.
ScreenScale scaleOf(const QWidget& control);

// Each control remembers its place in twips, its face and its picture as designed, so
// the screen can lay it out again at any scale; each is shown at the screen's scale now.
void place(QWidget& control, const TwipRect& rect);
// Larger drawings of the picture (files of twice and three times its size, where they are)
// are read only where the screen is shown larger, and stand in for it scaled down smoothly.
void showPicture(QLabel& label, const QPixmap& picture, const QStringList& largerFiles = {});
QSize designedPictureSize(const QLabel& label);
// Keeps a one-line caption whole: a label whose text is wider than its box grows
// sideways around its centre instead of breaking the line, at any scale.
void growToFit(QLabel& label);

// Shows the words on a label or a tick box, in a face that keeps them inside its box at
// the screen's scale.
void showWords(QWidget& control, const QString& words);

// Words of the screen's own, in the players' language.
QString screensOwn(const ScreenLayout& layout, const char* words);

// Makes the controls of the screen's table, from back to front, each named, in its face,
// words and colour, and placed; they are returned by name.
QHash<QString, QWidget*> buildControls(QWidget& screen, const ScreenLayout& layout);

// Lays out every control of the screen, nested ones too, at the scale.
void layOut(QWidget& screen, const ScreenScale& scale);
// Keeps whole the words that the design draws down to the screen's bottom edge: a face in
// whole pixels can take their letters a row or two lower than the design's times the scale,
// and such a caption moves up by those rows.
void keepWordsAbove(QWidget& screen, int bottom);

} // namespace zorbitan
