// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameWindow.h"

class QLabel;

namespace zorbitan {

// The rules and the three question bands, on one page in front of the options screen.
class Fandlerules : public GameWindow {
    Q_OBJECT
public:
    explicit Fandlerules(ScreenNavigator& navigator);

    void Form_Load() override;

protected:
    bool closedByPlayer() override;

private:
    void createControls();
    void Label3_Click();

    QLabel* Image1_ = nullptr;
};

} // namespace zorbitan
