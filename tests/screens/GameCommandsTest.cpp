// The game screen with real clicks and real timers: cards, answers, leaving the game,
// a new game, the backdrop box, and the saved game brought back from the title.

#include "Grey.h"
#include "SavedGame.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"
#include "fan1.h"

#include <QCheckBox>
#include <QLabel>

using namespace zorbitan;
using zorbitan::testing::ScreenTest;

namespace {
class GameCommands : public ScreenTest {
protected:
    GameCommands()
    {
        shared.soundon = 1;
        shared.numberofplayers = 2;
        shared.playerlevel = {0, 3, 3, 0, 0};
    }

    // A saved game of two players: Blue on 1, 2 and 12, Red on 55; Blue to play next.
    void writeSavedGame()
    {
        Module1 saved;
        saved.boardowner[1] = saved.boardowner[2] = saved.boardowner[12] = 1;
        saved.boardowner[55] = 2;
        saved.numberofplayers = 2;
        saved.soundon = 1;
        ASSERT_TRUE(saveGame(saved, 5, savedGame()));
    }

    fan1& restartSavedGame()
    {
        writeSavedGame();
        Titlefrm& title = navigator.show<Titlefrm>();
        click(control(&title, "Label6"));
        return open<fan1>();
    }

    QByteArray savedBytes() const
    {
        QFile file(savedGame());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // "Take a card" once it may be taken, and wait for the deal.
    void takeCard(fan1& game)
    {
        QWidget& button = control(&game, "Label5");
        ASSERT_TRUE(QTest::qWaitFor([&] { return button.isEnabled(); }, 2000));
        const int before = game.model().turnnumber();
        click(button);
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.model().turnnumber() == before + 1; }, 2000));
    }

    void answer(fan1& game, int number) { click(control(&game, qPrintable(QStringLiteral("Label1_%1").arg(number)))); }
};
} // namespace

TEST_F(GameCommands, RestartBringsBackTheSavedGameBehindTheBackdrop)
{
    fan1& game = restartSavedGame();
    EXPECT_FALSE(isOpen<Titlefrm>());
    EXPECT_TRUE(isOpen<Grey>());
    EXPECT_EQ(shared.restartgame, 0);
    EXPECT_EQ(shared.hidedesktop, 1);
    EXPECT_EQ(game.model().turnnumber(), 5);
    // No levels were chosen in this run for players 3 and 4: they get Level 3.
    EXPECT_EQ(shared.playerlevel, (std::array<Integer, 5>{0, 3, 3, 3, 3}));
    EXPECT_TRUE(control(&game, "Image1_55").isVisible());
    EXPECT_TRUE(control(&game, "Image1_12").isVisible());
    EXPECT_FALSE(control(&game, "Image1_13").isVisible());
    EXPECT_EQ(control<QLabel>(&game, "Label2").text(), "Blue to Play");
}

TEST_F(GameCommands, RestartWithoutAUsableSavedGameLeavesTheTitle)
{
    Titlefrm& title = navigator.show<Titlefrm>();
    click(control(&title, "Label6"));
    EXPECT_TRUE(isOpen<Titlefrm>());
    EXPECT_FALSE(isOpen<fan1>());
    EXPECT_EQ(shared.restartgame, 0);

    QFile broken(savedGame());
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("1\r\n7\r\n");
    broken.close();
    click(control(&title, "Label6"));
    EXPECT_TRUE(isOpen<Titlefrm>());
    EXPECT_FALSE(isOpen<fan1>());
}

TEST_F(GameCommands, TheScreenShowsTheCardTheAnswerAndTheCounter)
{
    fan1& game = restartSavedGame();
    dealLevel3CardNext(1);  // a prime number less than 10
    takeCard(game);
    EXPECT_EQ(control<QLabel>(&game, "Label4").text(), "a prime number less than 10");
    EXPECT_FALSE(control(&game, "Label5").isEnabled());
    answer(game, 9);
    EXPECT_EQ(control<QLabel>(&game, "Label6").text(), "2, 3, 5, 7");
    EXPECT_TRUE(control(&game, "Label6").isVisible());
    EXPECT_TRUE(control(&game, "Label7").isVisible());
    EXPECT_TRUE(control(&game, "Label10").isVisible());
    EXPECT_EQ(played(sounds::boink), 1);
    ASSERT_TRUE(QTest::qWaitFor([&] { return control<QLabel>(&game, "Label2").text() == "Red to Play"; }, 4000));
    EXPECT_FALSE(control(&game, "Label6").isVisible());
    ASSERT_TRUE(QTest::qWaitFor([&] { return control(&game, "Label5").isEnabled(); }, 1000));

    dealLevel3CardNext(1);
    takeCard(game);
    answer(game, 7);
    EXPECT_EQ(played(sounds::subping), 1);
    auto& counter = control<QLabel>(&game, "Image1_7");
    EXPECT_TRUE(counter.isVisible());
    EXPECT_EQ(counter.pixmap().toImage().pixelColor(20, 10), QColor(255, 0, 0));
}

TEST_F(GameCommands, ACounterPictureAnswersAsItsNumber)
{
    fan1& game = restartSavedGame();
    dealLevel3CardNext(37);  // a factor of 12
    takeCard(game);
    click(control(&game, "Image1_12"));
    EXPECT_TRUE(game.model().controls().timers[2].enabled);
    EXPECT_EQ(shared.placednumber, 12);
    EXPECT_EQ(played(sounds::subping), 1);
}

TEST_F(GameCommands, ExitKeepsAnUnfinishedGameAndShowsCancel)
{
    fan1& game = restartSavedGame();
    dealLevel3CardNext(37);
    takeCard(game);
    answer(game, 6);
    shared.soundon = 0;
    click(control(&game, "Label3_0"));
    EXPECT_FALSE(isOpen<fan1>());
    ASSERT_TRUE(isOpen<Titlefrm>());
    EXPECT_EQ(control<QLabel>(&open<Titlefrm>(), "Label5").text(), "Cancel");
    EXPECT_TRUE(isOpen<Grey>());
    // The title's load turned sound on again, so the click is heard.
    EXPECT_EQ(shared.soundon, 1);
    EXPECT_EQ(played(sounds::click), 1);

    Module1 reread;
    ASSERT_TRUE(readSavedGame(reread, savedGame()));
    EXPECT_EQ(reread.savedturn, 6);
    EXPECT_EQ(reread.boardowner[6], 1);
    EXPECT_EQ(reread.boardowner[55], 2);
    EXPECT_EQ(reread.soundon, 0);
}

TEST_F(GameCommands, ExitAfterOnlyOneCardKeepsTheOlderSavedGame)
{
    writeSavedGame();
    const QByteArray older = savedBytes();
    fan1& game = navigator.show<fan1>();
    takeCard(game);
    EXPECT_EQ(game.model().turnnumber(), 0);
    click(control(&game, "Label3_0"));
    EXPECT_EQ(savedBytes(), older);
    EXPECT_TRUE(isOpen<Titlefrm>());
}

TEST_F(GameCommands, ExitAfterAWinKeepsTheOlderSavedGame)
{
    fan1& game = restartSavedGame();
    const QByteArray older = savedBytes();
    dealLevel3CardNext(37);
    takeCard(game);
    answer(game, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.model().winner() == 1; }, 4000));
    EXPECT_EQ(control<QLabel>(&game, "Label2").text(), "BLUE HAS WON!");
    click(control(&game, "Label3_0"));
    EXPECT_EQ(savedBytes(), older);
}

TEST_F(GameCommands, NewGameGoesToTheOptionsWithoutSaving)
{
    fan1& game = restartSavedGame();
    const QByteArray older = savedBytes();
    dealLevel3CardNext(37);
    takeCard(game);
    answer(game, 4);
    click(control(&game, "Label3_1"));
    EXPECT_FALSE(isOpen<fan1>());
    EXPECT_TRUE(isOpen<Startplay2>());
    EXPECT_EQ(savedBytes(), older);
    EXPECT_EQ(played(sounds::click), 1);
}

TEST_F(GameCommands, HideDesktopBoxStartsTickedAndSwitchesTheBackdrop)
{
    shared.hidedesktop = 0;
    fan1& game = navigator.show<fan1>();
    auto& box = control<QCheckBox>(&game, "Check3");
    EXPECT_TRUE(box.isChecked());
    click(box, {8, 12});
    EXPECT_EQ(shared.hidedesktop, 0);
    EXPECT_FALSE(isOpen<Grey>());
    click(box, {8, 12});
    EXPECT_EQ(shared.hidedesktop, 1);
    EXPECT_TRUE(isOpen<Grey>());
    EXPECT_TRUE(isOpen<fan1>());
    EXPECT_EQ(played(sounds::click1), 2);
}

TEST_F(GameCommands, ClosingTheGameWindowKeepsTheGameAndEndsTheProgram)
{
    fan1& game = restartSavedGame();
    dealLevel3CardNext(37);
    takeCard(game);
    answer(game, 6);
    game.close();
    EXPECT_EQ(programEnds, 1);
    Module1 reread;
    ASSERT_TRUE(readSavedGame(reread, savedGame()));
    EXPECT_EQ(reread.boardowner[6], 1);
}
