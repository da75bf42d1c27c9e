// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameWindow.h"

#include "Grey.h"
#include "SoundRule.h"

#include <QCloseEvent>

namespace zorbitan {

GameWindow::GameWindow(ScreenNavigator& navigator) : navigator_(navigator) {}

void GameWindow::play(std::string_view sound) const
{
    playIfSoundOn(navigator_.context().shared, navigator_.context().playwav, sound);
}

void GameWindow::setBackdrop(bool shown)
{
    navigator_.context().shared.hidedesktop = shown ? 1 : 0;
    if (shown) {
        navigator_.show<Grey>();
    } else {
        navigator_.close<Grey>();
    }
}

void GameWindow::setDesignedSize(int widthTwips, int heightTwips)
{
    setFixedSize(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
}

bool GameWindow::closedByPlayer()
{
    navigator_.endProgram();
    return true;
}

void GameWindow::closeEvent(QCloseEvent* event)
{
    if (navigator_.isOpen(this) && !closedByPlayer()) {
        event->ignore();
        return;
    }
    QWidget::closeEvent(event);
}

} // namespace zorbitan
