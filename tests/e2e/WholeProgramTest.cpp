// The real program in a real X window, driven by real mouse clicks.

#include "Board.h"
#include "RunningGame.h"

#include <QApplication>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

using namespace zorbitan;

namespace {
// Where things are on the 1280 x 1024 screen: the small screens (title, options,
// levels) are centred at their own size, the game and rules screens at 800 x 600.
const QPoint smallScreen(453, 292);
const QPoint largeScreen(240, 212);

const QColor backdrop(49, 135, 215);
const QColor red(255, 0, 0);

const QPoint titleOk = smallScreen + QPoint(132, 406);
const QPoint titleRestart = smallScreen + QPoint(180, 366);
const QPoint titleExit = smallScreen + QPoint(228, 406);
const QPoint optionsRules = smallScreen + QPoint(112, 110);
const QPoint optionsTwoPlayers = smallScreen + QPoint(150, 360);
const QPoint rulesExit = largeScreen + QPoint(768, 16);
const QPoint levelsOk = smallScreen + QPoint(188, 398);
const QPoint takeACard = largeScreen + QPoint(156, 88);
const QPoint gameExit = largeScreen + QPoint(60, 576);

QColor colourOf(int n)
{
    const Rgb rgb = squareColourInfo(designedSquareColour(n)).rgb;
    return {rgb.red, rgb.green, rgb.blue};
}

QPoint squareAt(int n, QPoint offset = {3, 3})
{
    const TwipRect square = board::squareRect(n);
    return largeScreen + QPoint(twipsToPixels(square.left), twipsToPixels(square.top)) + offset;
}

// Blue on 1 and 2, Red on 55, two players, turn 5 (Blue plays next), sound on.
QByteArray savedGame(int turn)
{
    QByteArray bytes;
    for (int k = 1; k <= 100; ++k) {
        bytes += QByteArray::number(k) + "\r\n" + (k <= 2 ? "1" : k == 55 ? "2" : "0") + "\r\n";
    }
    return bytes + "2\r\n" + QByteArray::number(turn) + "\r\n1\r\n";
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void expectFewErrorLines(const QString& errors)
{
    const QStringList lines = errors.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_LE(lines.size(), 1) << lines.join(QLatin1Char('\n')).toStdString();
}
} // namespace

TEST(WholeProgram, ANewGameThroughEveryScreen)
{
    RunningGame game;
    game.start();
    ASSERT_TRUE(game.waitForColour(smallScreen + QPoint(5, 300), red)) << "the title screen never appeared";
    EXPECT_EQ(game.screen().pixelColor(smallScreen - QPoint(3, 3)), QColor(Qt::black));
    game.saveScreenshot(QStringLiteral("1-title"));

    RunningGame::click(titleOk);
    ASSERT_TRUE(game.waitForColour({5, 5}, backdrop)) << "no backdrop";
    EXPECT_EQ(game.screen().pixelColor(smallScreen + QPoint(5, 300)), red);
    game.saveScreenshot(QStringLiteral("2-options-on-backdrop"));

    RunningGame::click(optionsRules);
    ASSERT_TRUE(game.waitForColour(largeScreen + QPoint(5, 590), red)) << "no rules";
    game.saveScreenshot(QStringLiteral("3-rules-over-options"));
    RunningGame::click(rulesExit);
    ASSERT_TRUE(game.waitForColour(largeScreen + QPoint(5, 590), backdrop)) << "the rules did not close";

    RunningGame::click(optionsTwoPlayers);
    // Level 3 is marked in the Red row: its square is blue.
    ASSERT_TRUE(game.waitForColour(smallScreen + QPoint(300, 224), QColor(0, 0, 255))) << "no level screen";
    game.saveScreenshot(QStringLiteral("4-levels"));

    RunningGame::click(levelsOk);
    ASSERT_TRUE(game.waitForColour(squareAt(1), colourOf(1))) << "no game screen";
    const QImage board = game.screen();
    for (int n = 1; n <= 100; ++n) {
        EXPECT_EQ(board.pixelColor(squareAt(n)), colourOf(n)) << "square " << n;
    }
    // The frame from (312, 72) to (764, 524) of the game window, on its red.
    EXPECT_EQ(board.pixelColor(largeScreen + QPoint(312, 72)), QColor(Qt::black));
    EXPECT_EQ(board.pixelColor(largeScreen + QPoint(763, 523)), QColor(Qt::black));
    EXPECT_EQ(board.pixelColor(largeScreen + QPoint(311, 71)), red);
    EXPECT_EQ(board.pixelColor(largeScreen - QPoint(3, 3)), backdrop);
    game.saveScreenshot(QStringLiteral("5-game-screen"));

    RunningGame::click(takeACard);
    QTest::qWait(700);
    game.saveScreenshot(QStringLiteral("6-card-dealt"));
    RunningGame::click(gameExit);
    ASSERT_TRUE(game.waitForColour(smallScreen + QPoint(5, 300), red)) << "no title after Exit";
    game.saveScreenshot(QStringLiteral("7-title-after-exit"));
    EXPECT_FALSE(QFile::exists(game.folder() + QStringLiteral("/lastgame.inf"))) << "a one-card game was saved";

    RunningGame::click(titleExit);
    EXPECT_TRUE(game.waitForEnd()) << "Exit did not end the program";
    expectFewErrorLines(game.stop());
}

TEST(WholeProgram, ASavedGameComesBackAfterTheProgramWasClosed)
{
    RunningGame game;
    const QString saved = game.folder() + QStringLiteral("/lastgame.inf");
    {
        QFile file(saved);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(savedGame(5));
    }
    game.start();
    ASSERT_TRUE(game.waitForColour(smallScreen + QPoint(5, 300), red));
    RunningGame::click(titleRestart);
    ASSERT_TRUE(game.waitForColour(squareAt(55, {20, 10}), red)) << "Red's counter on 55 is not back";
    EXPECT_EQ(game.screen().pixelColor(squareAt(1, {20, 10})), QColor(0, 0, 255));
    game.saveScreenshot(QStringLiteral("8-restarted-game"));

    // Two more cards, each answered with 100 (rarely right), then leave the game.
    for (int card = 0; card < 2; ++card) {
        RunningGame::click(takeACard);
        QTest::qWait(700);
        RunningGame::click(squareAt(100, {20, 20}));
        QTest::qWait(2800);
    }
    RunningGame::click(gameExit);
    ASSERT_TRUE(game.waitForColour(smallScreen + QPoint(5, 300), red));
    const QByteArray kept = readFile(saved);
    EXPECT_TRUE(kept.endsWith("2\r\n7\r\n1\r\n")) << kept.right(12).toStdString();
    RunningGame::click(titleExit);
    ASSERT_TRUE(game.waitForEnd());
    expectFewErrorLines(game.stop());

    game.start();
    ASSERT_TRUE(game.waitForColour(smallScreen + QPoint(5, 300), red));
    RunningGame::click(titleRestart);
    ASSERT_TRUE(game.waitForColour(squareAt(1, {20, 10}), QColor(0, 0, 255))) << "Blue's counter on 1 is not back";
    game.saveScreenshot(QStringLiteral("9-restarted-again"));
    EXPECT_EQ(readFile(saved), kept) << "restarting changed the saved game";
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
