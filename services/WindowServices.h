#pragma once

#include <QPoint>
#include <QSize>

class QWidget;

namespace zorbitan {

// The standard outer window size: 12000 x 9000 twips, 800 x 600 pixels.
inline constexpr int standardWindowWidthTwips = 12000;
inline constexpr int standardWindowHeightTwips = 9000;

// The top left corner, in twips, that centres a window of the given outer size on a
// display of the given size. On a display smaller than the window it comes out
// negative and the window overhangs both sides equally.
QPoint centredTopLeft(QSize displayTwips, QSize windowTwips);

// The primary display's size in twips.
QSize displaySizeTwips();

// Gives the screen the standard size and centres it, under a busy pointer.
void centreform(QWidget& screen);

// Centres a screen at its own designed size.
void centreAtOwnSize(QWidget& screen);

// Asks the desktop to open the game's web page; a failure is ignored.
void openWebPage();

} // namespace zorbitan
