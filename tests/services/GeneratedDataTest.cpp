// The build writes the pictures and sounds beside the program; the tests run there.

#include "Board.h"
#include "CounterArt.h"
#include "GamePaths.h"
#include "GameSound.h"
#include "Players.h"
#include "QtConversions.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

using namespace zorbitan;

TEST(GeneratedData, PicturesLoadAtTheirSizes)
{
    EXPECT_EQ(QImage(resolveGamePath("Images\\zorbitanmd.bmp")).size(), QSize(320, 240));
    EXPECT_EQ(QImage(resolveGamePath("images\\zorbitanmd.bmp")).size(), QSize(320, 240));
    EXPECT_EQ(QImage(resolveGamePath("Images\\logo2.jpg")).size(), QSize(100, 139));
    // Each counter: the square's own colour around a disc in the player's colour, with
    // a rim that differs from the square, so a Blue counter shows on a blue square.
    for (const auto& square : squareColours) {
        for (const Player& player : players) {
            const std::string name = counterPicturePath(square.prefix, player.prefix);
            const QImage picture(resolveGamePath(name));
            ASSERT_EQ(picture.size(), QSize(40, 40)) << name;
            EXPECT_EQ(picture.pixelColor(0, 0), toQColor(square.rgb)) << name;
            EXPECT_EQ(picture.pixelColor(20, 10), toQColor(player.colour)) << name;
            EXPECT_NE(picture.pixelColor(20, 3), toQColor(square.rgb)) << name;
            EXPECT_NE(picture.pixelColor(20, 6), toQColor(square.rgb)) << name;
        }
    }
}

// Children who cannot tell the colours apart still see whose counter it is.
TEST(GeneratedData, CountersDifferWithoutColour)
{
    for (const auto& square : squareColours) {
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b) {
                EXPECT_NE(drawCounter(square.colour, a).convertToFormat(QImage::Format_Grayscale8),
                          drawCounter(square.colour, b).convertToFormat(QImage::Format_Grayscale8));
            }
        }
    }
}

// Every sound is heard: 16-bit PCM with real signal at a comfortable level, below
// clipping, and ending in a quarter second of silence that a sound server may swallow
// without cutting the sound short. A file the sound system cannot read stays "loading"
// for ever: every one must become ready.
TEST(GeneratedData, EverySoundIsAudibleAndBecomesReady)
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
        const auto loudest =
            *std::max_element(samples, samples + count, [](qint16 a, qint16 b) { return std::abs(a) < std::abs(b); });
        EXPECT_GT(std::abs(loudest), 0.5 * 32768) << name << " is too quiet";
        EXPECT_LT(std::abs(loudest), 0.9 * 32768) << name << " is too loud";
        EXPECT_TRUE(std::all_of(samples + count - 22050 / 4, samples + count, [](qint16 s) { return s == 0; })) << name;
        EXPECT_TRUE(QTest::qWaitFor([&] { return player.isReady(name); }, 5000)) << name;
    }
}

TEST(GeneratedData, AMissingOrUnreadableCounterIsDrawnInstead)
{
    QTemporaryDir temporary;
    QDir folder(temporary.path());
    folder.mkdir(QStringLiteral("counters"));
    QFile broken(folder.filePath(QStringLiteral("counters/blye.bmp")));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM this is no picture");
    broken.close();
    QImage own(40, 40, QImage::Format_RGB32);
    own.fill(Qt::darkCyan);
    own.save(folder.filePath(QStringLiteral("counters/mare.bmp")), "BMP");

    CounterPictures pictures(folder);
    const auto drawnAs = [&](std::string_view name) {
        return pictures.picture(name).toImage().convertToFormat(QImage::Format_RGB32);
    };
    EXPECT_EQ(drawnAs("counters\\yebl.bmp"), drawCounter(SquareColour::Yellow, 0));
    EXPECT_EQ(drawnAs("counters\\blye.bmp"), drawCounter(SquareColour::Blue, 3));
    EXPECT_EQ(drawnAs("counters\\mare.bmp").pixelColor(5, 5), QColor(Qt::darkCyan));
    EXPECT_TRUE(pictures.picture("counters\\zzzz.bmp").isNull());
}
