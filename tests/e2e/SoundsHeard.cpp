// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Names the sounds of a recording (parec's 16-bit mono at 22050 Hz) in order, or prints
// "silence": cut at each silence, each named by its character, never by the game's files.
// What is like no sound of the game (the rest of one the next cut off) goes to stderr.
// Usage: sounds-heard RECORDING

#include "SoundCharacter.h"

#include <QFile>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>

using namespace zorbitan::testing;

int main(int argc, char* argv[])
{
    if (argc != 2) {
        return 2;
    }
    constexpr int rate = 22050;
    constexpr double audible = 200.0 / 32768.0;        // the null sink's silence is exact zeros
    constexpr std::size_t silenceBetween = rate / 100; // 10 ms of silence end a sound,
    constexpr std::size_t underrun = rate / 20;        // but not 50 ms of exact zeros or less
    QFile file(QString::fromLocal8Bit(argv[1]));
    const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    const auto* raw = reinterpret_cast<const qint16*>(bytes.constData());
    std::vector<double> recording(raw, raw + bytes.size() / 2);
    QStringList heard;
    for (std::size_t i = 0; i < recording.size(); ++i) {
        if (std::abs(recording[i]) / 32768 < audible) {
            continue;
        }
        std::vector<double> sound;
        for (std::size_t quiet = 0, zeros = 0; i < recording.size() && quiet < silenceBetween; ++i) {
            sound.push_back(recording[i] / 32768);
            quiet = std::abs(sound.back()) < audible ? quiet + 1 : 0;
            zeros = recording[i] == 0 ? zeros + 1 : 0;
            if (quiet < silenceBetween || zeros < quiet) {
                continue;
            }
            // Exact zeros that cut a sound short, which resumes after them, are the server
            // waiting for a late player; a sound's own end fades out.
            const auto late = recording.begin() + static_cast<std::ptrdiff_t>(std::min(recording.size(), i + underrun));
            const auto resumes = std::find_if(recording.begin() + static_cast<std::ptrdiff_t>(i), late,
                                              [](double s) { return std::abs(s) / 32768 >= audible; });
            if (resumes != late) {
                sound.resize(sound.size() - quiet);
                i = static_cast<std::size_t>(resumes - recording.begin()) - 1;
                quiet = zeros = 0;
            }
        }
        const SoundCharacter character = characterOf(sound, rate);
        const std::string name = soundNamed(character);
        if (name.empty()) {
            std::fprintf(stderr, "sounds-heard: like none of the game's sounds: %s\n", character.describe().c_str());
        } else {
            heard << QString::fromStdString(name);
        }
    }
    std::printf("%s\n", heard.isEmpty() ? "silence" : qPrintable(heard.join(QLatin1Char(' '))));
    return 0;
}
