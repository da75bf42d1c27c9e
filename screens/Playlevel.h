// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "GameWindow.h"

#include <array>

class QLabel;

namespace zorbitan {

class ButtonLabel;
class ClickLabel;

// The level screen: one row per player, three level squares in each; an "X" marks
// the level chosen.
class Playlevel : public GameWindow {
    Q_OBJECT
public:
    explicit Playlevel(ScreenNavigator& navigator);

    void Form_Load() override;

private:
    void findPlayerRow(int player);
    void nameLevelSquares(int player);
    void levelSquareClick(int player, int member);
    void Label8_Click();
    void Label3_Click();

    std::array<ButtonLabel*, 4> Label1_{};                 // colour blocks, Blue first
    std::array<QLabel*, 4> Label12_{};                     // colour names
    std::array<std::array<ButtonLabel*, 3>, 4> squares_{}; // Label7, Label9, Label10, Label11
};

} // namespace zorbitan
