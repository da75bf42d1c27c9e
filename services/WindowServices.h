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

// Gives the screen the standard client area and centres it, under a busy pointer.
void centreform(QWidget& screen);

// Centres a screen at its own designed size.
//
// Both keep the client area exactly as designed and centre the whole window, the frame
// and title bar a window manager draws around it included, on the display's available
// area. The frame is known only once a window manager has framed a window: until then
// the frame of the game's earlier windows stands in, and the window is centred again if
// its own turns out different.
void centreAtOwnSize(QWidget& screen);

// The backdrop's place: behind the game's windows, never given the focus, and kept out
// of the task bar and the window switcher.
void makeBackdrop(QWidget& window);

// Asks the desktop to open the game's web page; a failure is ignored.
void openWebPage();

} // namespace zorbitan
