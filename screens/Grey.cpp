// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Grey.h"

#include "WindowServices.h"
#include "layout/Layouts.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

namespace zorbitan {

Grey::Grey(ScreenNavigator& navigator) : GameWindow(navigator)
{
    makeBackdrop(*this);
    setUp(GreyLayout);
}

void Grey::Form_Load()
{
    // Covering the display by hand: a full-screen request may be refused or shrunk
    // where there is no window manager.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(screen->geometry());
    }
    if (backdropHoldsScreens()) {
        setWindowState(Qt::WindowFullScreen);
        navigator().holdScreensIn(this);
    }
}

// Without a window manager nothing keeps the backdrop at the bottom: a click on it puts
// it back there, leaving the game's windows in their order.
void Grey::mousePressEvent(QMouseEvent* /*event*/) { lower(); }

// The screens it holds stay open when it goes, as windows of their own.
void Grey::closeEvent(QCloseEvent* event)
{
    GameWindow::closeEvent(event);
    if (event->isAccepted() && backdropHoldsScreens()) {
        hide();
        navigator().holdScreensIn(nullptr);
    }
}

} // namespace zorbitan
