// The game screen as laid out, and its commands with real clicks and real timers: Exit,
// which keeps an unfinished game, New Game, the backdrop box, the window's own close
// button, and the saved game brought back from the title.

#include "Grey.h"
#include "SavedGame.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"

#include <QCheckBox>
#include <QEventLoop>
#include <QFontInfo>
#include <QLabel>
#include <QTimer>

using namespace zorbitan;
using zorbitan::testing::ScreenTest;

namespace {
class GameCommands : public ScreenTest {
protected:
    GameCommands() { playersAtLevels({3, 3}); }

    // A saved game of two players: Blue on 1, 2 and 12, Red on 55, Blue to play, turn 5.
    fan1& restartSavedGame()
    {
        Module1 saved;
        saved.boardowner[1] = saved.boardowner[2] = saved.boardowner[12] = 1;
        saved.boardowner[55] = 2;
        saved.numberofplayers = 2;
        saved.soundon = 1;
        EXPECT_TRUE(saveGame(saved, 5, savedGame()));
        click(control(&navigator.show<Titlefrm>(), "Label6"));
        return open<fan1>();
    }

    // "Take a card" once it may be taken, "a factor of 12" dealt, and a number clicked.
    void takeCardAndAnswer(fan1& game, int number)
    {
        random.next.push_back((37 - 0.5) / 60.0);
        QWidget& button = control(&game, "Label5");
        ASSERT_TRUE(QTest::qWaitFor([&] { return button.isEnabled(); }, 4000));
        const int before = game.model().turnnumber();
        click(button);
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.model().turnnumber() == before + 1; }, 2000));
        click(control(&game, qPrintable(QStringLiteral("Label1_%1").arg(number))));
    }

    QString savedGame() const { return folder.filePath(QStringLiteral("lastgame.inf")); }
    QByteArray savedBytes() const
    {
        QFile file(savedGame());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};
} // namespace

// Brought back, the game shows its counters in front of the backdrop, switched on again,
// and players who chose no level in this run play at Level 3.
TEST_F(GameCommands, RestartBringsBackTheSavedGameWithTheBackdropOrLeavesTheTitle)
{
    click(control(&navigator.show<Titlefrm>(), "Label6")); // no saved game yet
    EXPECT_TRUE(isOpen<Titlefrm>() && !isOpen<fan1>());
    navigator.close<Titlefrm>();
    shared.hidedesktop = 0;
    fan1& game = restartSavedGame();
    EXPECT_TRUE(isOpen<Grey>() && !isOpen<Titlefrm>());
    EXPECT_EQ(shared.hidedesktop + shared.restartgame, 1);
    EXPECT_EQ(game.model().turnnumber(), 5);
    EXPECT_EQ(shared.playerlevel, (std::array<Integer, 5>{0, 3, 3, 3, 3}));
    EXPECT_TRUE(control(&game, "Image1_55").isVisible() && !control(&game, "Image1_13").isVisible());
}

// "Exit" keeps the game with its own sound setting and goes back to a title offering
// "Cancel", before the backdrop; its click is heard though the game's sound was off.
TEST_F(GameCommands, ExitKeepsAnUnfinishedGameAndTheTitleOffersCancel)
{
    shared.soundon = 0;
    shared.hidedesktop = 1;
    navigator.show<Grey>();
    fan1& game = navigator.show<fan1>();
    takeCardAndAnswer(game, 1);
    takeCardAndAnswer(game, 12);
    click(control(&game, "Label3_0"));
    EXPECT_TRUE(savedBytes().startsWith("1\r\n1\r\n") && savedBytes().endsWith("2\r\n1\r\n0\r\n"));
    EXPECT_TRUE(isOpen<Titlefrm>() && isOpen<Grey>() && !isOpen<fan1>());
    EXPECT_EQ(control<QLabel>(&open<Titlefrm>(), "Label5").text(), "Cancel");
    EXPECT_EQ(shared.soundon, 1);
    EXPECT_EQ(sounds, std::vector<std::string>{std::string(sounds::click)});
}

// Nothing is kept after one card, after a win or by "New Game", which clicks; leaving a
// won game mid-flash stops its timers, so no klaxon follows.
TEST_F(GameCommands, OnlyAGameWorthKeepingIsKept)
{
    fan1& won = restartSavedGame();
    const QByteArray older = savedBytes();
    takeCardAndAnswer(won, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return won.model().winner() == 1; }, 4000));
    click(control(&won, "Label3_0"));
    const int klaxons = played(sounds::klaxon);
    QEventLoop closing; // the closed screen lives on until this loop ends
    QTimer::singleShot(1500, &closing, &QEventLoop::quit);
    closing.exec();
    EXPECT_EQ(played(sounds::klaxon), klaxons);
    navigator.close<Titlefrm>();
    fan1& fresh = navigator.show<fan1>();
    takeCardAndAnswer(fresh, 4);
    click(control(&fresh, "Label3_0"));
    navigator.close<Titlefrm>();
    fan1& left = restartSavedGame();
    takeCardAndAnswer(left, 4);
    const int clicks = played(sounds::click);
    click(control(&left, "Label3_1")); // New Game
    EXPECT_TRUE(isOpen<Startplay2>() && !isOpen<fan1>());
    EXPECT_EQ(played(sounds::click), clicks + 1);
    EXPECT_EQ(savedBytes(), older);
}

TEST_F(GameCommands, HideDesktopStartsTickedAndSwitchesTheBackdropWithATick)
{
    shared.soundon = 1;
    shared.hidedesktop = 0;
    auto& box = control<QCheckBox>(&navigator.show<fan1>(), "Check3");
    EXPECT_TRUE(box.isChecked());
    click(box, onTheBox);
    EXPECT_TRUE(shared.hidedesktop == 0 && !isOpen<Grey>());
    click(box, onTheBox);
    EXPECT_TRUE(shared.hidedesktop == 1 && isOpen<Grey>() && isOpen<fan1>());
    EXPECT_EQ(played(sounds::click1), 2);
}

TEST_F(GameCommands, ClosingTheGameWindowKeepsTheGameAndEndsTheProgram)
{
    fan1& game = restartSavedGame();
    takeCardAndAnswer(game, 6);
    game.close();
    EXPECT_EQ(programEnds, 1);
    Module1 reread;
    ASSERT_TRUE(readSavedGame(reread, savedGame()));
    EXPECT_EQ(reread.boardowner[6], 1);
}

// Every control in its place (twips / 15), face and size, and every number's square in
// its colour.
TEST_F(GameCommands, TheGameScreensControlsStandWhereTheLayoutPutsThem)
{
    playersAtLevels({1, 1}); // the card in Level 1 yellow
    fan1& screen = navigator.show<fan1>();
    EXPECT_EQ(screen.geometry(), QRect(241, 213, 798, 598)); // centred, no frame, on 1280 x 1024
    EXPECT_EQ(screen.minimumSize(), screen.maximumSize());
    const std::tuple<const char*, QRect, const char*, int> placements[] = {
        {"Label9", {8, 0, 205, 45}, "Tahoma", 37},
        {"Label5", {84, 72, 145, 33}, "Tahoma", 21},
        {"Label4", {48, 208, 217, 161}, "Tahoma", 32},
        {"Label7", {48, 308, 217, 37}, "Tahoma", 32},
        {"Label6", {48, 344, 217, 81}, "Tahoma", 32},
        {"Label11", {96, 432, 123, 39}, "Tahoma", 32},
        {"Label10", {128, 544, 520, 40}, "Liberation Sans", 21},
        {"Label8", {192, 582, 416, 16}, "Liberation Sans", 11},
        {"Label3_0", {4, 560, 113, 33}, "Tahoma", 21},
        {"Label3_1", {656, 560, 137, 33}, "Tahoma", 21},
        {"Check3", {8, 504, 129, 25}, "Liberation Sans", 16},
        {"Label1_1", {320, 88, 40, 32}, "Liberation Sans", 21},
        {"Label1_100", {716, 484, 40, 32}, "Liberation Sans", 21},
        {"Shape4", {40, 128, 233, 297}, nullptr, 0},
        {"Shape2", {312, 72, 452, 452}, nullptr, 0},
        {"Shape1_1", {320, 80, 40, 40}, nullptr, 0},
        {"Shape1_100", {716, 476, 40, 40}, nullptr, 0},
        {"Image1_55", {496, 300, 40, 40}, nullptr, 0},
    };
    for (const auto& [name, pixels, family, fontPixels] : placements) {
        QWidget& widget = control(&screen, name);
        EXPECT_EQ(widget.geometry(), pixels) << name;
        if (family != nullptr) {
            EXPECT_EQ(QFontInfo(widget.font()).family(), QString::fromLatin1(family)) << name;
            EXPECT_TRUE(widget.font().pixelSize() == fontPixels && widget.font().bold()) << name;
        }
    }
    // The turn line's box is 275 px around x = 539; a longer caption widens it there.
    const QWidget& turnLine = control(&screen, "Label2");
    EXPECT_TRUE(turnLine.geometry().center().x() == 539 && turnLine.y() == 0 && turnLine.width() >= 275);
    EXPECT_EQ(turnLine.font().pixelSize(), 48);

    // Each number's square in the colour the layout gives it, the frame behind them, and
    // the card in Blue's style.
    const std::pair<QColor, std::vector<int>> colouredNumbers[] = {
        {QColor(255, 255, 0), {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 12, 16, 18, 20, 36}},
        {QColor(255, 0, 255), {11, 13, 17, 19, 23, 29, 31, 50, 60, 75, 85, 88, 95, 96, 99}},
        {QColor(255, 128, 0), {14, 21, 28, 54, 56, 63, 64, 80, 81}},
        {QColor(255, 0, 0), {15, 24, 25, 27, 30, 35, 40, 45, 72, 90}},
        {QColor(0, 255, 0), {32, 42, 48, 49, 70}},
    };
    const QImage picture = screen.grab().toImage();
    for (int n = 1; n <= 100; ++n) {
        const QPoint corner(320 + (n - 1) % 10 * 44, 80 + (n - 1) / 10 * 44); // square n's top left
        QColor colour(0, 0, 255);                                             // unless listed
        for (const auto& [listed, numbers] : colouredNumbers) {
            colour = std::ranges::find(numbers, n) != numbers.end() ? listed : colour;
        }
        EXPECT_EQ(picture.pixelColor(corner + QPoint(3, 3)), colour) << "square " << n;
        EXPECT_EQ(picture.pixelColor(corner + QPoint(36, 36)), colour) << "square " << n;
    }
    EXPECT_EQ(picture.pixelColor(313, 73), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(310, 70), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(60, 400), QColor(Qt::yellow));
}
