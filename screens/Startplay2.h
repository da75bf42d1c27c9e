// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameWindow.h"

class QCheckBox;

namespace zorbitan {

// The options screen: sound, the backdrop, the rules, the teacher's choice of cards
// and the number of players.
class Startplay2 : public GameWindow {
    Q_OBJECT
public:
    explicit Startplay2(ScreenNavigator& navigator);

    void Form_Load() override;

private:
    bool openingSteps();
    void Check1_Click();
    void Check3_Click();
    void Label1_Click(int index);
    void Label2_Click();
    void Label3_Click();
    void Label6_Click();
    void Label7_Click();

    QCheckBox* Check1_ = nullptr;
    QCheckBox* Check3_ = nullptr;
};

} // namespace zorbitan
