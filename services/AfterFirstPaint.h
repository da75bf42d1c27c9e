// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <functional>

namespace zorbitan {

// Work the first picture on the screen need not wait for (the sound module, the window
// icon): it runs from the event loop once the first window has been painted, so the
// game shows as soon as a bare Qt program would. Dropped if the owner goes first.
void afterFirstPaint(QObject& owner, std::function<void()> work);

// Work the first picture needs and the set-up before it does not (the game's fonts):
// it runs as the first paint begins, so the set-up and the event loop's start go on
// meanwhile. Dropped if the owner goes first.
void beforeFirstPaint(QObject& owner, std::function<void()> work);

} // namespace zorbitan
