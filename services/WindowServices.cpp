// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

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
QSize toTwips(QSize pixels) { return {pixelsToTwips(pixels.width()), pixelsToTwips(pixels.height())}; }

// The area a screen is centred in: the display's available area, or the backdrop that
// holds it.
QRect areaFor(const QWidget& screen)
{
    if (!screen.isWindow()) {
        return screen.parentWidget()->rect();
    }
    const QScreen* display = screen.screen() != nullptr ? screen.screen() : QGuiApplication::primaryScreen();
    return display != nullptr ? display->availableGeometry() : QRect();
}

// The frame a window manager draws around a window, as the platform knows it now: the
// window's own once it is framed, else that of another of the game's framed windows on
// the display. None without a window manager, and none around a screen in the backdrop.
QMargins frameOf(const QWidget& screen)
{
    if (!screen.isWindow()) {
        return {};
    }
    if (const QWindow* own = screen.windowHandle(); own != nullptr && own->isExposed()) {
        return own->frameMargins();
    }
    for (const QWindow* other : QGuiApplication::topLevelWindows()) {
        if (other->isExposed() && !other->flags().testFlag(Qt::FramelessWindowHint)) {
            return other->frameMargins();
        }
    }
    return {};
}

// Puts the window, frame included, in the middle of its area; the client area keeps its
// size.
void placeCentred(QWidget& screen, const QMargins& frame)
{
    const QRect area = areaFor(screen);
    const QPoint offset = centredTopLeft(toTwips(area.size()), toTwips(screen.size().grownBy(frame)));
    // Measured pixels, so back at one to one whatever the screen's scale.
    const QPoint frameTopLeft = area.topLeft() + QPoint(twipsToPixels(offset.x(), 1), twipsToPixels(offset.y(), 1));
    screen.setGeometry(QRect(frameTopLeft + QPoint(frame.left(), frame.top()), screen.size()));
}

// Once the window manager has framed the window and it shows, the window is centred
// again if its frame turns out other than the one it was placed with.
class FrameWatcher : public QObject {
public:
    static constexpr const char* name = "FrameWatcher";

    FrameWatcher(QWidget& screen, const QMargins& placedWith) : QObject(&screen), screen_(screen), frame_(placedWith)
    {
        setObjectName(name);
        screen.windowHandle()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && screen_.windowHandle()->isExposed()) {
            watched->removeEventFilter(this);
            if (const QMargins frame = screen_.windowHandle()->frameMargins(); frame != frame_) {
                // A window sized with a thinner frame (a maximised one's) may not fit with its own.
                screen_.resize(screen_.size().boundedTo(areaFor(screen_).size().shrunkBy(frame)));
                placeCentred(screen_, frame);
            }
            deleteLater();
        }
        return false;
    }

private:
    QWidget& screen_;
    QMargins frame_;
};

void centre(QWidget& screen)
{
    const QMargins frame = frameOf(screen);
    placeCentred(screen, frame);
    if (!screen.isWindow()) {
        return;
    }
    screen.winId(); // the native window, to watch for its frame
    if (screen.findChild<QObject*>(QString::fromLatin1(FrameWatcher::name), Qt::FindDirectChildrenOnly) == nullptr) {
        new FrameWatcher(screen, frame);
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

void centreAtOwnSize(QWidget& screen) { centre(screen); }

QSize roomForClientArea(const QWidget& screen)
{
    const QMargins frame = frameOf(screen);
    return areaFor(screen).size().shrunkBy(frame);
}

bool backdropHoldsScreens()
{
    const QString platform = QGuiApplication::platformName();
    return platform.startsWith(QLatin1String("wayland")) ||
           (platform == QLatin1String("xcb") && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
}

void makeBackdrop(QWidget& window)
{
    if (backdropHoldsScreens()) { // its screens are its children: it takes the keyboard for them
        window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
        return;
    }
    window.setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                          Qt::WindowDoesNotAcceptFocus);
    keepOutOfTaskbar(window);
}

void holdInBackdrop(QWidget& screen, QWidget& backdrop)
{
    // Drawn into the backdrop's own window: a window of its own inside it would keep
    // showing what once lay over it.
    screen.setAttribute(Qt::WA_NativeWindow, false);
    screen.setParent(&backdrop);
    centreAtOwnSize(screen);
    screen.show();
}

void releaseFromBackdrop(QWidget& screen)
{
    screen.setParent(nullptr, Qt::Window);
    centreAtOwnSize(screen);
    screen.show();
}

void openWebPage() { QDesktopServices::openUrl(QUrl(toQString(publisher::webAddress))); }

} // namespace zorbitan
