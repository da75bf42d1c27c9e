// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QRect>

class QKeyEvent;
class QPainter;
class QWidget;

namespace zorbitan {

// Keyboard play. Focus marks show only while the keyboard is in use: from the first
// key pressed until the mouse is pressed again, so a child playing with the mouse sees
// the screens exactly as designed.

// Watches the whole application for keys and mouse presses. Safe to call again.
void watchKeyboardUse();

// True when the widget has the focus and its window is being used from the keyboard.
bool showsFocusMark(const QWidget& widget);

// The mark itself: a two-pixel frame just inside the box, in the control's own colour.
void paintFocusMark(QPainter& painter, const QRect& box, const QColor& colour);

// Enter, Return or Space without a modifier: the keys that act like a click.
bool isActivationKey(const QKeyEvent& event);

} // namespace zorbitan
