// The build writes the pictures and sounds beside the program; the tests run there.

#include "Board.h"
#include "CounterArt.h"
#include "GamePaths.h"
#include "GameSound.h"
#include "Players.h"
#include "QtConversions.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

using namespace zorbitan;

// Each counter: the square's own colour around a disc in the player's colour, with a rim
// that stands out from the square, and counters told apart without colour too.
TEST(GeneratedData, PicturesLoadAndEveryCounterShowsItsSquareAndItsPlayer)
{
    EXPECT_EQ(QImage(resolveGamePath("images\\zorbitanmd.bmp")).size(), QSize(320, 240));
    EXPECT_EQ(QImage(resolveGamePath("Images\\logo2.jpg")).size(), QSize(100, 139));
    for (const auto& square : squareColours) {
        for (int k = 0; k < maxPlayers; ++k) {
            const std::string name = counterPicturePath(square.prefix, playerAtIndex(k).prefix);
            const QImage picture(resolveGamePath(name));
            ASSERT_EQ(picture.size(), QSize(40, 40)) << name;
            EXPECT_EQ(picture.pixelColor(0, 0), toQColor(square.rgb)) << name;
            EXPECT_EQ(picture.pixelColor(20, 10), toQColor(playerAtIndex(k).colour)) << name;
            EXPECT_NE(picture.pixelColor(20, 4), toQColor(square.rgb)) << name;
            for (int other = k + 1; other < maxPlayers; ++other) {
                EXPECT_NE(picture.convertToFormat(QImage::Format_Grayscale8),
                          QImage(resolveGamePath(counterPicturePath(square.prefix, playerAtIndex(other).prefix)))
                              .convertToFormat(QImage::Format_Grayscale8));
            }
        }
    }
}

// Every sound is heard: 16-bit PCM with real signal at a comfortable level, below
// clipping, ending in a quarter second of silence that a sound server may swallow
// without cutting the sound short. A file the sound system cannot read stays "loading"
// for ever: every one must become ready. A new sound cuts off the one playing.
TEST(GeneratedData, EverySoundIsAudibleAndANewOneCutsOffTheLast)
{
    GameSound player{QDir::current()};
    ASSERT_TRUE(player.load()) << "the sound module did not load";
    for (const std::string_view name : sounds::all) {
        QFile file(resolveGamePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = file.readAll();
        EXPECT_TRUE(bytes.startsWith("RIFF") && bytes.mid(8, 8) == "WAVEfmt " && bytes.at(34) == 16) << name;
        const auto* samples = reinterpret_cast<const qint16*>(bytes.constData() + 44);
        const qsizetype count = (bytes.size() - 44) / 2;
        const int loudest = std::abs(
            *std::max_element(samples, samples + count, [](qint16 a, qint16 b) { return std::abs(a) < std::abs(b); }));
        EXPECT_GT(loudest, 0.5 * 32768) << name << " is too quiet";
        EXPECT_LT(loudest, 0.9 * 32768) << name << " is too loud";
        EXPECT_TRUE(std::all_of(samples + count - 22050 / 4, samples + count, [](qint16 s) { return s == 0; })) << name;
        EXPECT_TRUE(QTest::qWaitFor([&] { return player.isReady(name); }, 5000)) << name;
    }
    player.playwav(sounds::klaxon);
    EXPECT_TRUE(player.isPlaying(sounds::klaxon));
    player.playwav(sounds::click);
    EXPECT_FALSE(player.isPlaying(sounds::klaxon));
    player.playwav("wav\\nosuch.wav");
}
