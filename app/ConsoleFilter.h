// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace zorbitan {

// Keeps the sound system's own chatter (PulseAudio warnings when there is no sound
// server) off the console; the sound player says in one line when sound is missing.
void installConsoleFilter();

} // namespace zorbitan
