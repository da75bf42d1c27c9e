// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CardChoice.h"
#include "GameWindow.h"

class QLabel;

namespace zorbitan {

// The rules and the three question bands, on one page in front of the options screen.
class Fandlerules : public GameWindow {
    Q_OBJECT
public:
    explicit Fandlerules(ScreenNavigator& navigator);

    void Form_Load() override;

    // The rules' line for the tables a level deals: Level 1's line as designed for the
    // design's choice, else the tables chosen, and whether divisions come up.
    static QString tablesLine(int level, const TablesChoice& choice);

    // Shows the level lines for the choice the game deals from now.
    void showDealt();

protected:
    bool closedByPlayer() override;

private:
    void Label3_Click();

    QLabel* Image1_ = nullptr;
};

} // namespace zorbitan
