// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QElapsedTimer>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

// Prints the milliseconds a window takes to be sized up to a 3840 x 2160 display from a
// 1920 x 1080 one, laid out and painted again: the middle of five such changes.
inline void printResizeTime(QWidget& window)
{
    std::vector<double> changes;
    for (int change = 0; change < 5; ++change) {
        window.resize(1920, 1080);
        window.repaint();
        QElapsedTimer clock;
        clock.start();
        window.resize(3840, 2160);
        window.repaint();
        changes.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::ranges::sort(changes);
    std::printf("resize %.2f ms\n", changes[changes.size() / 2]);
    std::fflush(stdout);
}
