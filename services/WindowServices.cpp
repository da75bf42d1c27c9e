#include "WindowServices.h"

#include "DesktopHints.h"
#include "Publisher.h"
#include "QtConversions.h"
#include "Twips.h"

#include <QDesktopServices>
#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QUrl>
#include <QWidget>
#include <QWindow>
#include <cmath>

namespace zorbitan {

namespace {
// The frame a window manager draws around the game's windows, the same for all of them:
// none until a window has been framed, and none without a window manager.
QMargins knownFrame;

QSize toTwips(QSize pixels) { return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())}; }

QRect availableArea(const QWidget& screen)
{
    const QScreen* display = screen.screen() != nullptr ? screen.screen() : QGuiApplication::primaryScreen();
    return display != nullptr ? display->availableGeometry() : QRect();
}

// Puts the window, frame included, in the middle of the available area; the client area
// keeps its size.
void placeCentred(QWidget& screen)
{
    const QRect area = availableArea(screen);
    const QPoint offset = centredTopLeft(toTwips(area.size()), toTwips(screen.size().grownBy(knownFrame)));
    const QPoint frameTopLeft = area.topLeft() + QPoint(twipsToPixels(offset.x()), twipsToPixels(offset.y()));
    screen.setGeometry(QRect(frameTopLeft + QPoint(knownFrame.left(), knownFrame.top()), screen.size()));
}

// Once the window manager has framed the window and it shows, its frame is known; a
// window placed with another frame in mind is centred again.
class FrameWatcher : public QObject {
public:
    static constexpr const char* name = "FrameWatcher";

    explicit FrameWatcher(QWidget& screen) : QObject(&screen), screen_(screen)
    {
        setObjectName(name);
        screen.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && screen_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            const QMargins frame = screen_.windowHandle()->frameMargins();
            if (frame != knownFrame) {
                knownFrame = frame;
                placeCentred(screen_);
            }
            deleteLater();
        }
        return false;
    }

private:
    QWidget& screen_;
};

void centre(QWidget& screen)
{
    placeCentred(screen);
    screen.winId(); // the native window, to watch for its frame
    if (screen.findChild<QObject*>(QString::fromLatin1(FrameWatcher::name), Qt::FindDirectChildrenOnly) == nullptr) {
        new FrameWatcher(screen);
    }
}
} // namespace

QPoint centredTopLeft(QSize areaTwips, QSize windowTwips)
{
    const double left = areaTwips.width() / 2.0 - windowTwips.width() / 2.0;
    const double top = areaTwips.height() / 2.0 - windowTwips.height() / 2.0;
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
    screen.setFixedSize(twipsToPixels(standardClientWidthTwips), twipsToPixels(standardClientHeightTwips));
    centre(screen);
    QGuiApplication::restoreOverrideCursor();
}

void centreAtOwnSize(QWidget& screen) { centre(screen); }

void makeBackdrop(QWidget& window)
{
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                          Qt::WindowDoesNotAcceptFocus);
    keepOutOfTaskbar(window);
}

void openWebPage() { QDesktopServices::openUrl(QUrl(toQString(publisher::webAddress))); }

} // namespace zorbitan
