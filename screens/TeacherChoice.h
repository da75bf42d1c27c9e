// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CardChoice.h"
#include "GameWindow.h"

#include <array>

class QCheckBox;
class QLabel;

namespace zorbitan {

// The teacher's screen, in front of the options screen: which times tables Levels 1
// and 2 deal and whether their divisions come up, and which kinds of number fact Level 3
// deals. Every change is kept at once; a choice that would leave a level without a card
// is refused, and a choice the administrator locked is shown but cannot be changed.
class TeacherChoice : public GameWindow {
    Q_OBJECT
public:
    explicit TeacherChoice(ScreenNavigator& navigator);

    void Form_Load() override;

protected:
    bool closedByPlayer() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct TablesBoxes {
        std::array<QCheckBox*, highestTable> tables{};
        QCheckBox* divisions = nullptr;
    };

    TablesBoxes findTablesBoxes(int level);
    void showChoice();
    void showCardsOf(int kind);
    void boxClicked(QCheckBox* box);
    void showOnTheRules();
    void Label3_Click();
    void Label4_Click();

    std::array<TablesBoxes, 2> levelBoxes_{};
    std::array<QCheckBox*, factKindCount> kindBoxes_{};
    QLabel* why_ = nullptr;
    QLabel* cards_ = nullptr;
    bool locked_ = false;
};

} // namespace zorbitan
