// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Module1.h"
#include "Sounds.h"

namespace zorbitan {

// Every event that makes a sound calls this: the sound plays only while soundon is 1.
inline void playIfSoundOn(const Module1& shared, const PlayWav& playwav, std::string_view name)
{
    if (shared.soundon == 1 && playwav) {
        playwav(name);
    }
}

} // namespace zorbitan
