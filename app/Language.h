// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorbitan {

// Speaks the players' own language where the game has it, as the desktop names it
// (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), and English everywhere else. Needs the
// application object; call before any text is shown.
void speakTheDesktopsLanguage();

} // namespace zorbitan
