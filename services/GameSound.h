// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SoundOutput.h"
#include "Sounds.h"

#include <QDir>
#include <QLibrary>
#include <QObject>
#include <memory>

namespace zorbitan {

// The game's sounds as the screens use them. The sound module is loaded once the first
// window has been painted (the title screen plays no sound); until then, and for good
// if the module cannot be loaded, every sound is silence.
class GameSound : public QObject {
public:
    explicit GameSound(const QDir& workingFolder);
    ~GameSound() override;

    // Loads the sound module as soon as the first window has been painted.
    void loadAfterFirstPaint();

    // Loads the sound module now. False, and one console line, when it cannot be loaded.
    bool load();

    void playwav(std::string_view name);
    bool isReady(std::string_view name) const;
    bool isPlaying(std::string_view name) const;

    PlayWav playWavFunction();

private:
    QDir workingFolder_;
    QLibrary module_;
    std::unique_ptr<SoundOutput> output_;
    bool tried_ = false;
};

// The one console line that says the game plays silently, and why.
void saySoundIsUnavailable(const QString& why);

} // namespace zorbitan
