// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "AppIcon.h"

#include <gtest/gtest.h>

// The icon at 64 px, one unit of its drawing to a pixel: a red screen in a black rim two
// pixels wide, nine square boxes 16 px wide from (5, 5) in steps of 18 (seen at a point
// inside each corner, which a disc would leave out), a blue counter in a white ring on each
// box of the diagonal.
TEST(AppIcon, ShowsACornerOfTheBoardWithAWinningLine)
{
    const QImage icon = zorbitan::drawAppIcon(64);
    std::vector<std::tuple<int, int, QColor, std::string>> points{{1, 32, Qt::black, "the screen's rim"},
                                                                  {3, 3, Qt::red, "the screen"}};
    const QColor boxes[9] = {Qt::yellow, Qt::magenta, Qt::blue,    {255, 128, 0}, Qt::green,
                             Qt::yellow, Qt::blue,    Qt::magenta, {255, 128, 0}};
    for (int k = 0; k < 9; ++k) {
        points.emplace_back(7 + (18 * (k % 3)), 7 + (18 * (k / 3)), boxes[k], "box " + std::to_string(k));
    }
    for (int k = 0; k < 3; ++k) {
        points.emplace_back(13 + (18 * k), 13 + (18 * k), Qt::blue, "counter " + std::to_string(k));
        points.emplace_back(12 + (18 * k), 7 + (18 * k), Qt::white, "the ring of counter " + std::to_string(k));
    }
    for (const auto& [x, y, expected, what] : points) {
        const QColor seen = icon.pixelColor(x, y);
        EXPECT_LT(std::abs(seen.red() - expected.red()) + std::abs(seen.green() - expected.green()) +
                      std::abs(seen.blue() - expected.blue()),
                  60)
            << what << " at " << x << "," << y << " is " << seen.name().toStdString();
    }
}
