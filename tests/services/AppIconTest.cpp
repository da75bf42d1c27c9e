// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIcon.h"

#include <gtest/gtest.h>

// The icon at 64 px, where one unit of its drawing is a pixel: a red screen in a rim two
// pixels wide, nine square boxes 16 px wide from (5, 5) in steps of 18, a blue counter in
// a white ring on each box of the diagonal.
TEST(AppIcon, ShowsACornerOfTheBoardWithAWinningLine)
{
    const QImage icon = zorbitan::drawAppIcon(64);
    const auto near = [&](int x, int y, QColor expected) {
        const QColor seen = icon.pixelColor(x, y);
        return std::abs(seen.red() - expected.red()) + std::abs(seen.green() - expected.green()) +
                   std::abs(seen.blue() - expected.blue()) <
               60;
    };
    EXPECT_TRUE(near(1, 32, Qt::black) && near(3, 3, QColor(255, 0, 0))) << "the screen's rim or colour";
    const QColor squares[9] = {{255, 255, 0}, {255, 0, 255}, {0, 0, 255},   {255, 128, 0}, {0, 255, 0},
                               {255, 255, 0}, {0, 0, 255},   {255, 0, 255}, {255, 128, 0}};
    for (int k = 0; k < 9; ++k) { // the inside of each box's corner, which a disc would leave out
        EXPECT_TRUE(near(7 + (18 * (k % 3)), 7 + (18 * (k / 3)), squares[k])) << "box " << k;
    }
    for (int k = 0; k < 3; ++k) {
        EXPECT_TRUE(near(13 + (18 * k), 13 + (18 * k), QColor(0, 0, 255)) &&
                    near(12 + (18 * k), 7 + (18 * k), Qt::white))
            << "counter " << k;
    }
}
