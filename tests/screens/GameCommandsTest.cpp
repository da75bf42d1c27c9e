// The game screen with real clicks and real timers: a game that is not worth keeping,
// the backdrop box, closing the window, and the saved game brought back from the title.

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

    QByteArray savedBytes() const
    {
        QFile file(savedGame());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // "Take a card" once it may be taken, and wait for the deal; then answer.
    void takeCardAndAnswer(fan1& game, int level3Card, int number)
    {
        dealLevel3CardNext(level3Card);
        QWidget& button = control(&game, "Label5");
        ASSERT_TRUE(QTest::qWaitFor([&] { return button.isEnabled(); }, 4000));
        const int before = game.model().turnnumber();
        click(button);
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.model().turnnumber() == before + 1; }, 2000));
        click(control(&game, qPrintable(QStringLiteral("Label1_%1").arg(number))));
    }

    bool visible(const fan1& game, const char* name) { return control(&game, name).isVisible(); }
};
} // namespace

TEST_F(GameCommands, RestartBringsBackTheSavedGameOrLeavesTheTitle)
{
    Titlefrm& title = navigator.show<Titlefrm>();
    click(control(&title, "Label6"));
    EXPECT_TRUE(isOpen<Titlefrm>() && !isOpen<fan1>());
    navigator.close<Titlefrm>();

    fan1& game = restartSavedGame();
    EXPECT_FALSE(isOpen<Titlefrm>());
    EXPECT_TRUE(isOpen<Grey>());
    EXPECT_EQ(shared.restartgame, 0);
    EXPECT_EQ(game.model().turnnumber(), 5);
    // No levels were chosen in this run for players 3 and 4: they get Level 3.
    EXPECT_EQ(shared.playerlevel, (std::array<Integer, 5>{0, 3, 3, 3, 3}));
    EXPECT_TRUE(visible(game, "Image1_55") && visible(game, "Image1_12"));
    EXPECT_FALSE(visible(game, "Image1_13"));
    EXPECT_EQ(control<QLabel>(&game, "Label2").text(), "Blue to Play");
}

TEST_F(GameCommands, NoSaveAfterOneCardAfterAWinOrOnNewGame)
{
    fan1& won = restartSavedGame();
    const QByteArray older = savedBytes();
    takeCardAndAnswer(won, 37, 3);
    ASSERT_TRUE(QTest::qWaitFor([&] { return won.model().winner() == 1; }, 4000));
    auto& message = control<QLabel>(&won, "Label2");
    EXPECT_EQ(message.text(), "BLUE HAS WON!");
    EXPECT_GE(message.width(), message.fontMetrics().horizontalAdvance(message.text())); // whole, on one line
    click(control(&won, "Label3_0"));
    EXPECT_EQ(savedBytes(), older);

    navigator.close<Titlefrm>();
    fan1& fresh = navigator.show<fan1>();
    takeCardAndAnswer(fresh, 37, 4);
    EXPECT_EQ(fresh.model().turnnumber(), 0);
    click(control(&fresh, "Label3_0"));
    EXPECT_EQ(savedBytes(), older);

    navigator.close<Titlefrm>();
    fan1& left = restartSavedGame();
    takeCardAndAnswer(left, 37, 4);
    click(control(&left, "Label3_1"));
    EXPECT_TRUE(isOpen<Startplay2>() && !isOpen<fan1>());
    EXPECT_EQ(savedBytes(), older);
}

TEST_F(GameCommands, HideDesktopBoxStartsTickedAndSwitchesTheBackdrop)
{
    shared.hidedesktop = 0;
    auto& box = control<QCheckBox>(&navigator.show<fan1>(), "Check3");
    EXPECT_TRUE(box.isChecked());
    click(box, {8, 12});
    EXPECT_EQ(shared.hidedesktop, 0);
    EXPECT_FALSE(isOpen<Grey>());
    click(box, {8, 12});
    EXPECT_EQ(shared.hidedesktop, 1);
    EXPECT_TRUE(isOpen<Grey>() && isOpen<fan1>());
}

TEST_F(GameCommands, ClosingTheGameWindowKeepsTheGameAndEndsTheProgram)
{
    fan1& game = restartSavedGame();
    takeCardAndAnswer(game, 37, 6);
    game.close();
    EXPECT_EQ(programEnds, 1);
    Module1 reread;
    ASSERT_TRUE(readSavedGame(reread, savedGame()));
    EXPECT_EQ(reread.boardowner[6], 1);
}
