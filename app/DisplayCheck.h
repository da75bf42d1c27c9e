// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <vector>

namespace zorbitan {

// True when Qt has somewhere to draw: a chosen platform plugin, an X display or a
// Wayland display. Without one Qt would abort with a long message.
bool displayAvailable();

// The one line that says how to run the game without a desktop, in the desktop's language.
void explainMissingDisplay(const char* program);

// The program's arguments for the application object, null-terminated. In a Wayland
// session that has Xwayland, "-platform xcb" is added: there the game places its windows
// in the middle of the display and keeps the backdrop behind them, which a native
// Wayland window cannot. A platform the user chose (QT_QPA_PLATFORM, -platform) is kept.
std::vector<char*> argumentsChoosingPlatform(int argc, char* argv[]);

} // namespace zorbitan
