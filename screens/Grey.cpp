#include "Grey.h"

#include "ScreenStyle.h"
#include "WindowServices.h"

#include <QGuiApplication>
#include <QScreen>

namespace zorbitan {

Grey::Grey(ScreenNavigator& navigator) : GameWindow(navigator)
{
    makeBackdrop(*this);
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

// Without a window manager nothing keeps the backdrop at the bottom: a click on it puts
// it back there, leaving the game's windows in their order.
void Grey::mousePressEvent(QMouseEvent* /*event*/) { lower(); }

} // namespace zorbitan
