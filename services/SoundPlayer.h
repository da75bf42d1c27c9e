#pragma once

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
class SoundPlayer : public QObject {
public:
    explicit SoundPlayer(const QDir& workingFolder, QObject* parent = nullptr);
    ~SoundPlayer() override;

    void playwav(std::string_view name);

    // The player as the game screens take it.
    PlayWav playWavFunction();

    QSoundEffect::Status status(std::string_view name) const;

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
