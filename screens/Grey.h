// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameWindow.h"

namespace zorbitan {

// The backdrop: a plain blue window over the whole display, behind the game's windows,
// so the desktop does not distract. It reacts to nothing; a click on it leaves the
// game's windows in front. On a Wayland desktop it holds the game's screens instead.
class Grey : public GameWindow {
public:
    explicit Grey(ScreenNavigator& navigator);

    void Form_Load() override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool closedByPlayer() override { return false; }
};

} // namespace zorbitan
