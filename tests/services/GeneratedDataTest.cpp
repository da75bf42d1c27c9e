// The build writes the pictures and sounds beside the program; the tests run there.

#include "Board.h"
#include "GamePaths.h"
#include "Players.h"
#include "QtConversions.h"
#include "SoundPlayer.h"
#include "Sounds.h"

#include <QFile>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

using namespace zorbitan;

namespace {
QImage loadGamePicture(std::string_view gamePath) { return QImage(resolveGamePath(gamePath)); }

struct WavFacts {
    bool pcm16 = false;
    double seconds = 0.0;
};

std::uint32_t readLittleEndian(const QByteArray& bytes, int at, int size)
{
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i) {
        value = (value << 8U) | static_cast<std::uint8_t>(bytes.at(at + i));
    }
    return value;
}

WavFacts readWav(std::string_view gamePath)
{
    QFile file(resolveGamePath(gamePath));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < 44 || !bytes.startsWith("RIFF") || bytes.mid(8, 8) != "WAVEfmt ") {
        return {};
    }
    const auto format = readLittleEndian(bytes, 20, 2);
    const auto channels = readLittleEndian(bytes, 22, 2);
    const auto rate = readLittleEndian(bytes, 24, 4);
    const auto bits = readLittleEndian(bytes, 34, 2);
    const auto dataBytes = readLittleEndian(bytes, 40, 4);
    return {format == 1 && bits == 16, static_cast<double>(dataBytes) / (channels * 2.0 * rate)};
}
} // namespace

TEST(GeneratedPictures, TitlePictureAndLogoLoad)
{
    const QImage title = loadGamePicture("Images\\zorbitanmd.bmp");
    EXPECT_EQ(title.size(), QSize(320, 240));
    EXPECT_EQ(loadGamePicture("images\\zorbitanmd.bmp").size(), QSize(320, 240));
    const QImage logo = loadGamePicture("Images\\logo2.jpg");
    EXPECT_EQ(logo.size(), QSize(100, 139));
}

// Each counter shows the square's own colour around a disc in the player's colour.
TEST(GeneratedPictures, EveryCounterLoadsOnItsSquaresColour)
{
    for (const auto& square : squareColours) {
        for (const Player& player : players) {
            const std::string name = counterPicturePath(square.prefix, player.prefix);
            const QImage picture = loadGamePicture(name);
            ASSERT_EQ(picture.size(), QSize(40, 40)) << name;
            EXPECT_EQ(picture.pixelColor(0, 0), toQColor(square.rgb)) << name;
            EXPECT_EQ(picture.pixelColor(39, 39), toQColor(square.rgb)) << name;
            EXPECT_EQ(picture.pixelColor(20, 10), toQColor(player.colour)) << name;
        }
    }
}

// A Blue counter on a blue square must still stand out: its rim differs from the square.
TEST(GeneratedPictures, CounterRimStandsOutOnItsOwnColour)
{
    for (const Player& player : players) {
        for (const auto& square : squareColours) {
            const QImage picture = loadGamePicture(counterPicturePath(square.prefix, player.prefix));
            EXPECT_NE(picture.pixelColor(20, 3), toQColor(square.rgb)) << player.name;
            EXPECT_NE(picture.pixelColor(20, 6), toQColor(square.rgb)) << player.name;
        }
    }
}

TEST(GeneratedSounds, ShortSixteenBitPcm)
{
    for (const std::string_view name : sounds::all) {
        const WavFacts wav = readWav(name);
        EXPECT_TRUE(wav.pcm16) << name;
        EXPECT_GT(wav.seconds, 0.01) << name;
        EXPECT_LT(wav.seconds, 1.25) << name;
    }
    EXPECT_LT(readWav(sounds::click).seconds, 0.1);
    EXPECT_LT(readWav(sounds::click1).seconds, 0.1);
}

// A file the sound system cannot read stays "loading" for ever; every one of ours must load.
TEST(GeneratedSounds, EverySoundBecomesReady)
{
    SoundPlayer player{QDir::current()};
    for (const std::string_view name : sounds::all) {
        EXPECT_TRUE(QTest::qWaitFor([&] { return player.status(name) == QSoundEffect::Ready; }, 5000)) << name;
    }
    player.playwav(sounds::click);
    player.playwav(sounds::klaxon);
    player.playwav("wav\\nosuch.wav");
}
