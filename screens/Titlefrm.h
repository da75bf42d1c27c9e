// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameWindow.h"

namespace zorbitan {

class ButtonLabel;
class ClickLabel;

// The title screen: the game's name and picture, a new game, the saved game, or leave.
class Titlefrm : public GameWindow {
    Q_OBJECT
public:
    explicit Titlefrm(ScreenNavigator& navigator);

    void Form_Load() override;

    // "OK" reads "Cancel" when the players have just left a game.
    void readOkAsCancel();

private:
    void Label5_Click();
    void Label6_Click();
    void Label7_Click();

    ClickLabel* Picture1_ = nullptr;
    ButtonLabel* Label5_ = nullptr;
};

} // namespace zorbitan
