// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace zorbitan {

// The standard window: 12000 x 9000 twips with its border, a client area of 11970 x 8970
// twips (798 x 598 pixels) that the game screen and the rules are laid out in.
inline constexpr int standardWindowWidthTwips = 12000;
inline constexpr int standardClientWidthTwips = 11970;
inline constexpr int standardClientHeightTwips = 8970;

// The top left corner, in twips, that centres a window of the given outer size in an
// area of the given size. In an area smaller than the window it comes out negative and
// the window overhangs both sides equally.
QPoint centredTopLeft(QSize areaTwips, QSize windowTwips);

// The primary display's size in twips.
QSize displaySizeTwips();

// The backdrop is offered only on a display wider than the standard window.
constexpr bool roomForBackdrop(QSize displayTwips) { return displayTwips.width() > standardWindowWidthTwips; }

// Centres a screen at its own size.
//
// It keeps the client area's size and centres the whole window, the frame
// and title bar a window manager draws around it included, on the display's available
// area, or in the backdrop that holds it. A window's frame is known only once a window
// manager has framed it: until then the frame of another of the game's windows stands
// in, and the window is centred again if its own turns out different.
void centreAtOwnSize(QWidget& screen);

// The largest client area the screen can have where it is centred, its frame included.
QSize roomForClientArea(const QWidget& screen);

// A Wayland desktop places a Wayland window itself and keeps no window behind another,
// and its window manager for X windows may not keep a window below either. There the
// backdrop, while it is shown, holds the game's screens instead: it covers the display
// as a whole-screen window and the screens stand in its middle. True on such a desktop,
// natively or through Xwayland.
bool backdropHoldsScreens();

// The backdrop's place: behind the game's windows, never given the focus, and kept out
// of the task bar and the window switcher; or, where it holds the screens, a window over
// the whole display.
void makeBackdrop(QWidget& window);

// Puts a screen into the backdrop that holds the screens, in its middle, or back on the
// desktop as a window of its own.
void holdInBackdrop(QWidget& screen, QWidget& backdrop);
void releaseFromBackdrop(QWidget& screen);

// Asks the desktop to open the game's web page; a failure is ignored.
void openWebPage();

} // namespace zorbitan
