// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorbitan {

// The context every text of the game is translated in.
inline constexpr const char* gameTextContext = "GameText";

// Marks an English text of the game for the translators' tool and leaves it as it is,
// so the game stays plain C++. The build tells lupdate to read `gameText` as its own
// QT_TRANSLATE_NOOP and `countedGameText` as QT_TRANSLATE_N_NOOP: a counted text has a
// singular and a plural in languages that need both. The screens translate every
// marked text on its way to the screen.
constexpr const char* gameText(const char* /*context*/, const char* text) { return text; }
constexpr const char* countedGameText(const char* /*context*/, const char* text) { return text; }

} // namespace zorbitan
