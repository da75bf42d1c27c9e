#include "CounterArt.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace zorbitan;

namespace {
class CounterPicturesFallback : public ::testing::Test {
protected:
    CounterPicturesFallback() { folder.mkdir(QStringLiteral("counters")); }

    void writeCounterFile(const QString& name, const QByteArray& bytes)
    {
        QFile file(folder.filePath(QStringLiteral("counters/") + name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir temporary;
    QDir folder{temporary.path()};
};
} // namespace

TEST_F(CounterPicturesFallback, MissingPictureIsDrawnInstead)
{
    CounterPictures pictures(folder);
    const QPixmap drawn = pictures.picture("counters\\yebl.bmp");
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn.toImage().convertToFormat(QImage::Format_RGB32),
              drawCounter(SquareColour::Yellow, 0).convertToFormat(QImage::Format_RGB32));
}

TEST_F(CounterPicturesFallback, UnreadablePictureIsDrawnInstead)
{
    writeCounterFile(QStringLiteral("blye.bmp"), QByteArray("BM this is no picture at all"));
    CounterPictures pictures(folder);
    const QPixmap drawn = pictures.picture("counters\\blye.bmp");
    ASSERT_FALSE(drawn.isNull());
    EXPECT_EQ(drawn.toImage().convertToFormat(QImage::Format_RGB32),
              drawCounter(SquareColour::Blue, 3).convertToFormat(QImage::Format_RGB32));
}

TEST_F(CounterPicturesFallback, APictureOnDiskIsUsedAsItIs)
{
    QImage own(40, 40, QImage::Format_RGB32);
    own.fill(Qt::darkCyan);
    ASSERT_TRUE(own.save(folder.filePath(QStringLiteral("counters/mare.bmp")), "BMP"));
    CounterPictures pictures(folder);
    EXPECT_EQ(pictures.picture("counters\\mare.bmp").toImage().pixelColor(5, 5), QColor(Qt::darkCyan));
}

TEST_F(CounterPicturesFallback, ANameThatNamesNoCounterGivesNothing)
{
    CounterPictures pictures(folder);
    EXPECT_TRUE(pictures.picture("counters\\zzzz.bmp").isNull());
    EXPECT_TRUE(pictures.picture("counters\\ye.bmp").isNull());
}

// Children who cannot tell the colours apart still see whose counter it is.
TEST(CounterDrawing, PlayersAreToldApartWithoutColour)
{
    for (const auto& square : squareColours) {
        for (int a = 0; a < 4; ++a) {
            for (int b = a + 1; b < 4; ++b) {
                EXPECT_NE(drawCounter(square.colour, a).convertToFormat(QImage::Format_Grayscale8),
                          drawCounter(square.colour, b).convertToFormat(QImage::Format_Grayscale8))
                    << square.prefix << " " << a << " " << b;
            }
        }
    }
}
