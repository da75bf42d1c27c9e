// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundPlayer.h"

#include "GamePaths.h"
#include "GameSound.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QUrl>
#include <algorithm>

namespace zorbitan {

SoundPlayer::SoundPlayer(const QDir& workingFolder)
{
    if (QMediaDevices::audioOutputs().isEmpty()) {
        reportUnavailable(QCoreApplication::translate("zorbitan::GameSound", "no sound device was found"));
    }
    for (const std::string_view name : sounds::all) {
        auto effect = std::make_unique<QSoundEffect>();
        const QString path = resolveGamePath(name, workingFolder);
        if (isPlainFile(path)) {
            effect->setSource(QUrl::fromLocalFile(path));
        } else {
            reportUnavailable(QCoreApplication::translate("zorbitan::GameSound", "%1 is missing")
                                  .arg(QDir::toNativeSeparators(path)));
        }
        QSoundEffect* raw = effect.get();
        connect(raw, &QSoundEffect::statusChanged, this, [this, raw] {
            if (raw->status() == QSoundEffect::Error) {
                reportUnavailable(QCoreApplication::translate("zorbitan::GameSound", "%1 cannot be played")
                                      .arg(raw->source().toLocalFile()));
            }
        });
        sounds_.push_back(Sound{name, std::move(effect)});
    }
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::playwav(std::string_view name)
{
    const Sound* wanted = find(name);
    for (const Sound& sound : sounds_) {
        sound.effect->stop();
    }
    if (wanted != nullptr && wanted->effect->status() == QSoundEffect::Ready) {
        wanted->effect->play();
    }
}

bool SoundPlayer::isReady(std::string_view name) const
{
    const Sound* sound = find(name);
    return sound != nullptr && sound->effect->status() == QSoundEffect::Ready;
}

bool SoundPlayer::isPlaying(std::string_view name) const
{
    const Sound* sound = find(name);
    return sound != nullptr && sound->effect->isPlaying();
}

bool SoundPlayer::isLoading() const
{
    return std::any_of(sounds_.begin(), sounds_.end(),
                       [](const Sound& sound) { return sound.effect->status() == QSoundEffect::Loading; });
}

const SoundPlayer::Sound* SoundPlayer::find(std::string_view name) const
{
    for (const Sound& sound : sounds_) {
        if (sound.name == name) {
            return &sound;
        }
    }
    return nullptr;
}

void SoundPlayer::reportUnavailable(const QString& why)
{
    if (reported_) {
        return;
    }
    reported_ = true;
    saySoundIsUnavailable(why);
}

} // namespace zorbitan

// The module's entry point, found by name when the game loads the module.
extern "C" Q_DECL_EXPORT zorbitan::SoundOutput* zorbitanCreateSoundOutput(const char* workingFolder)
{
    return new zorbitan::SoundPlayer(QDir(QString::fromUtf8(workingFolder)));
}
