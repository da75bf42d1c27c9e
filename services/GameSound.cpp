// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameSound.h"

#include "AfterFirstPaint.h"
#include "GamePaths.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <cstdio>

namespace zorbitan {

namespace {
// The module sits beside the program, or in the library folder of an installed copy.
QStringList moduleCandidates()
{
    const QString programFolder = QCoreApplication::applicationDirPath();
    return {programFolder + QStringLiteral("/zorbitan_sound"),
            installedModuleFolder(programFolder) + QStringLiteral("/zorbitan_sound")};
}
} // namespace

GameSound::GameSound(const QDir& workingFolder) : workingFolder_(workingFolder) {}

// Qt's sound cache can deadlock when the program ends while a sound is still being
// read, so the end waits a moment for the reading to finish. The sounds go before the
// module that holds their code.
GameSound::~GameSound()
{
    const QDeadlineTimer deadline(1000);
    while (output_ != nullptr && output_->isLoading() && !deadline.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    output_.reset();
}

void GameSound::loadAfterFirstPaint()
{
    afterFirstPaint(*this, [this] { load(); });
}

bool GameSound::load()
{
    if (tried_) {
        return output_ != nullptr;
    }
    tried_ = true;
    for (const QString& candidate : moduleCandidates()) {
        module_.setFileName(candidate);
        const auto create = reinterpret_cast<CreateSoundOutput>(module_.resolve(createSoundOutputSymbol));
        if (create != nullptr) {
            output_.reset(create(workingFolder_.absolutePath().toUtf8().constData()));
            return true;
        }
    }
    saySoundIsUnavailable(QCoreApplication::translate("zorbitan::GameSound", "its module could not be loaded"));
    return false;
}

void GameSound::playwav(std::string_view name)
{
    if (output_ != nullptr) {
        output_->playwav(name);
    }
}

bool GameSound::isReady(std::string_view name) const { return output_ != nullptr && output_->isReady(name); }

bool GameSound::isPlaying(std::string_view name) const { return output_ != nullptr && output_->isPlaying(name); }

void saySoundIsUnavailable(const QString& why)
{
    const QString line = QCoreApplication::translate("zorbitan::GameSound",
                                                     "Zorbitan: sound is unavailable (%1); the game plays silently.");
    std::fprintf(stderr, "%s\n", qPrintable(line.arg(why)));
}

PlayWav GameSound::playWavFunction()
{
    return [this](std::string_view name) { playwav(name); };
}

} // namespace zorbitan
