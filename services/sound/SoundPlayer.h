// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "SoundOutput.h"
#include "Sounds.h"

#include <QDir>
#include <QObject>
#include <QSoundEffect>

#include <memory>
#include <string_view>
#include <vector>

namespace zorbitan {

// Plays the game's six sounds. Each file is loaded once; a new sound cuts off the one
// playing. A missing file or no sound device means silence and one console line at most.
class SoundPlayer : public QObject, public SoundOutput {
public:
    explicit SoundPlayer(const QDir& workingFolder);
    ~SoundPlayer() override;

    void playwav(std::string_view name) override;
    bool isReady(std::string_view name) const override;
    bool isPlaying(std::string_view name) const override;
    bool isLoading() const override;

private:
    struct Sound {
        std::string_view name;
        std::unique_ptr<QSoundEffect> effect;
    };

    const Sound* find(std::string_view name) const;
    void reportUnavailable(const QString& why);

    std::vector<Sound> sounds_;
    bool reported_ = false;
};

} // namespace zorbitan
