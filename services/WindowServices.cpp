#include "WindowServices.h"

#include "Publisher.h"
#include "QtConversions.h"
#include "Twips.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#include <cmath>

namespace zorbitan {

namespace {
// The screens have a single one-pixel border around their client area.
constexpr int borderTwips = twipsPerPixel;

QSize toTwips(QSize pixels) { return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())}; }

void placeOuterWindow(QWidget& screen, QSize outerTwips)
{
    const QPoint topLeft = centredTopLeft(displaySizeTwips(), outerTwips);
    screen.move(twipsToPixels(topLeft.x()), twipsToPixels(topLeft.y()));
}
} // namespace

QPoint centredTopLeft(QSize displayTwips, QSize windowTwips)
{
    const double left = displayTwips.width() / 2.0 - windowTwips.width() / 2.0;
    const double top = displayTwips.height() / 2.0 - windowTwips.height() / 2.0;
    return {static_cast<int>(std::lround(left)), static_cast<int>(std::lround(top))};
}

QSize displaySizeTwips()
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? toTwips(screen->geometry().size()) : QSize();
}

void centreform(QWidget& screen)
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    const QSize outer(standardWindowWidthTwips, standardWindowHeightTwips);
    screen.setFixedSize(twipsToPixels(outer.width() - 2 * borderTwips),
                        twipsToPixels(outer.height() - 2 * borderTwips));
    placeOuterWindow(screen, outer);
    QGuiApplication::restoreOverrideCursor();
}

void centreAtOwnSize(QWidget& screen)
{
    const QSize client = toTwips(screen.size());
    placeOuterWindow(screen, {client.width() + 2 * borderTwips, client.height() + 2 * borderTwips});
}

void openWebPage() { QDesktopServices::openUrl(QUrl(toQString(publisher::webAddress))); }

} // namespace zorbitan
