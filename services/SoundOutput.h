// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>

namespace zorbitan {

// Where the game's sounds go. The real one lives in the sound module, which the game
// loads once its first screen is up, so Qt Multimedia and the sound system it brings
// cost the start of the program nothing.
class SoundOutput {
public:
    virtual ~SoundOutput() = default;

    // Starts the sound and returns at once; it cuts off any sound still playing.
    virtual void playwav(std::string_view name) = 0;

    // True once the sound is loaded and can be played.
    virtual bool isReady(std::string_view name) const = 0;

    // True while the sound is being heard.
    virtual bool isPlaying(std::string_view name) const = 0;

    // True while any sound is still being read from its file.
    virtual bool isLoading() const = 0;
};

// The sound module's one entry point: a new output for the sounds of the working folder.
using CreateSoundOutput = SoundOutput* (*)(const char* workingFolder);
inline constexpr const char* createSoundOutputSymbol = "zorbitanCreateSoundOutput";

} // namespace zorbitan
