#include "Board.h"
#include "RunningGame.h"

#include <QApplication>
#include <gtest/gtest.h>

using namespace zorbitan;

namespace {
// The game window is centred on the 1280 x 1024 screen at the standard 800 x 600 size.
const QPoint clientOrigin(240, 212);

QColor colourOf(int n)
{
    const Rgb rgb = squareColourInfo(designedSquareColour(n)).rgb;
    return {rgb.red, rgb.green, rgb.blue};
}

QPoint squareCorner(int n)
{
    const TwipRect square = board::squareRect(n);
    return clientOrigin + QPoint(twipsToPixels(square.left) + 3, twipsToPixels(square.top) + 3);
}
} // namespace

TEST(RealWindow, GameScreenOpensCentredWithTheBoardInItsColours)
{
    RunningGame game;
    ASSERT_TRUE(game.waitForColour(squareCorner(1), colourOf(1))) << "the board never appeared where expected";
    game.saveScreenshot(QStringLiteral("game-screen"));
    const QImage screen = game.screen();

    EXPECT_EQ(screen.pixelColor(squareCorner(100)), colourOf(100));
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(screen.pixelColor(squareCorner(n)), colourOf(n)) << "square " << n;
    }
    // Square 1 at (320, 80) and square 100 at (716, 476) of the client area.
    EXPECT_EQ(screen.pixelColor(clientOrigin + QPoint(320, 80)), colourOf(1));
    EXPECT_EQ(screen.pixelColor(clientOrigin + QPoint(755, 515)), colourOf(100));
    // The frame from (312, 72) to (764, 524), on the red window.
    EXPECT_EQ(screen.pixelColor(clientOrigin + QPoint(312, 72)), QColor(Qt::black));
    EXPECT_EQ(screen.pixelColor(clientOrigin + QPoint(763, 523)), QColor(Qt::black));
    EXPECT_EQ(screen.pixelColor(clientOrigin + QPoint(311, 71)), QColor(Qt::red));
    EXPECT_EQ(screen.pixelColor(clientOrigin + QPoint(765, 525)), QColor(Qt::red));
    // Outside the window the screen is untouched.
    EXPECT_EQ(screen.pixelColor(clientOrigin - QPoint(2, 2)), QColor(Qt::black));

    ASSERT_TRUE(game.isRunning());
    const QStringList errorLines = game.stop().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_LE(errorLines.size(), 1) << errorLines.join(QLatin1Char('\n')).toStdString();
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
