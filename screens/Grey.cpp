#include "Grey.h"

#include "ScreenStyle.h"

#include <QGuiApplication>
#include <QScreen>

namespace zorbitan {

Grey::Grey(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint | Qt::WindowDoesNotAcceptFocus);
    setObjectName(QStringLiteral("Grey"));
}

void Grey::Form_Load()
{
    paintBackground(*this, Rgb{49, 135, 215});
    // Covering the display by hand: a full-screen request may be refused or shrunk
    // where there is no window manager.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
}

void Grey::mousePressEvent(QMouseEvent* /*event*/)
{
    lower();
    navigator().raiseAllAbove(this);
}

} // namespace zorbitan
