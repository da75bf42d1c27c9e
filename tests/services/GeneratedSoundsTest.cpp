// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The build writes the sounds beside the program; the tests run there.

#include "GamePaths.h"
#include "GameSound.h"
#include "SoundCharacter.h"

#include <QtGui>
#include <QtTest>
#include <gtest/gtest.h>

using namespace zorbitan;

// Every sound is 16-bit PCM at a comfortable level below clipping, with the character the
// design gives it, ending in a quarter second of silence a sound server may swallow; each
// becomes ready to play (an unreadable one stays "loading"); a new sound cuts off the last.
TEST(GeneratedSounds, EverySoundIsAudibleAndSoundsAsDesigned)
{
    GameSound player{QDir::current()};
    ASSERT_TRUE(player.load()) << "the sound module did not load";
    for (const std::string_view name : sounds::all) {
        QFile file(resolveGamePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt " && bytes.at(34) == 16) << name;
        const auto* raw = reinterpret_cast<const qint16*>(bytes.constData() + 44);
        std::vector<double> samples(raw, raw + (bytes.size() - 44) / 2);
        std::ranges::transform(samples, samples.begin(), [](double s) { return s / 32768; });
        const double loudest = std::abs(std::ranges::max(samples, {}, [](double s) { return std::abs(s); }));
        EXPECT_TRUE(loudest > 0.5 && loudest < 0.9) << name << " peaks at " << loudest;
        EXPECT_TRUE(std::all_of(samples.end() - 22050 / 4, samples.end(), [](double s) { return s == 0; })) << name;
        const auto character = zorbitan::testing::characterOf(samples, 22050);
        EXPECT_EQ("wav\\" + zorbitan::testing::soundNamed(character) + ".wav", name) << character.describe();
        EXPECT_TRUE(QTest::qWaitFor([&] { return player.isReady(name); }, 5000)) << name;
    }
    player.playwav(sounds::klaxon);
    EXPECT_TRUE(player.isPlaying(sounds::klaxon));
    player.playwav(sounds::click);
    EXPECT_FALSE(player.isPlaying(sounds::klaxon));
    player.playwav("wav\\nosuch.wav");
}
