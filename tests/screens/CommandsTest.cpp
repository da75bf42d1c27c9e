// What each screen's commands do to the game, clicked as a player clicks them: which
// screens open and close, what they set, what is kept in the saved game; and the way
// through by keyboard alone. How the screens look and sound: LooksTest, SoundRuleTest.

#include "Fandlerules.h"
#include "Grey.h"
#include "Playlevel.h"
#include "Publisher.h"
#include "QtConversions.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"
#include "UrlRecorder.h"
#include "WindowServices.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QEventLoop>
#include <QLabel>
#include <QTimer>

using namespace zorbitan;
using zorbitan::testing::ScreenTest;

namespace {
class Commands : public ScreenTest {
protected:
    QCheckBox& box(const QWidget* screen, const char* name) { return control<QCheckBox>(screen, name); }
    QString text(const QWidget* screen, const char* name) { return control<QLabel>(screen, name).text(); }
    QByteArray savedBytes() const
    {
        QFile file(folder.filePath(QStringLiteral("lastgame.inf")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    fan1& restart()
    {
        click(control(&navigator.show<Titlefrm>(), "Label6"));
        return open<fan1>();
    }
};

QString focused() { return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName() : ""; }

// The focus stops met by pressing Tab until the focus comes back.
QStringList tabStops(QWidget& screen)
{
    EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
    QStringList stops{focused()};
    for (QTest::keyClick(&screen, Qt::Key_Tab); focused() != stops.front() && stops.size() < 40;
         QTest::keyClick(&screen, Qt::Key_Tab)) {
        stops << focused();
    }
    return stops;
}
} // namespace

// "OK" or the picture starts a new game over the backdrop; "Exit" ends the program.
TEST_F(Commands, TheTitleStartsANewGameOrEndsTheProgram)
{
    for (const char* command : {"Label5", "Picture1"}) {
        shared.boardowner[40] = shared.restartgame = 1;
        shared.soundon = shared.hidedesktop = 0;
        click(control(&navigator.show<Titlefrm>(), command));
        EXPECT_TRUE(isOpen<Grey>() && isOpen<Startplay2>() && !isOpen<Titlefrm>()) << command;
        EXPECT_TRUE(shared.boardowner[40] == 0 && shared.restartgame == 0 && shared.hidedesktop == 1);
        EXPECT_EQ(shared.soundon, 1);
        click(control(&open<Startplay2>(), "Label3_0")); // Exit, to the title before the backdrop
        EXPECT_TRUE(isOpen<Titlefrm>() && isOpen<Grey>() && !isOpen<Startplay2>());
        navigator.close<Titlefrm>();
    }
    click(control(&navigator.show<Titlefrm>(), "Label7"));
    EXPECT_EQ(programEnds, 1);
}

// Where a picture cannot be read the opening stops: the standard size, and the options'
// "Hide Desktop" hidden and ticked, its click steps never run.
TEST_F(Commands, WithoutTheirPicturesTheTitleAndOptionsOpenAtTheStandardSize)
{
    QFile::remove(folder.filePath(QStringLiteral("Images")));
    EXPECT_EQ(navigator.show<Titlefrm>().geometry(), QRect(241, 213, 798, 598));
    shared.hidedesktop = 0;
    navigator.show<Grey>();
    Startplay2& options = navigator.show<Startplay2>();
    EXPECT_EQ(options.geometry(), QRect(241, 213, 798, 598));
    EXPECT_TRUE(box(&options, "Check3").isChecked() && !box(&options, "Check3").isVisible() && isOpen<Grey>());
    EXPECT_TRUE(roomForBackdrop(QSize(12001, 9000)) && !roomForBackdrop(QSize(12000, 9000)));
}

// The boxes switch the backdrop at once and sound only with the number of players, which
// sets the game up and moves on; reached with the backdrop off, the box is unticked at once.
TEST_F(Commands, TheOptionsSetTheGameUp)
{
    click(control(&navigator.show<Titlefrm>(), "Label5"));
    Startplay2& options = open<Startplay2>();
    click(box(&options, "Check3"), onTheBox);
    EXPECT_TRUE(shared.hidedesktop == 0 && !isOpen<Grey>());
    click(box(&options, "Check3"), onTheBox);
    EXPECT_TRUE(shared.hidedesktop == 1 && isOpen<Grey>());
    click(box(&options, "Check1"), onTheBox);
    EXPECT_EQ(shared.soundon, 1);
    click(control(&options, "Label6"));
    shared.boardowner[0] = shared.boardowner[99] = 2;
    click(control(&options, "Label1_3"));
    EXPECT_TRUE(shared.numberofplayers == 4 && shared.soundon == 0);
    EXPECT_EQ(shared.boardowner[0] + shared.boardowner[99], 0);
    EXPECT_TRUE(isOpen<Playlevel>() && !isOpen<Fandlerules>() && !isOpen<Startplay2>());

    navigator.close<Playlevel>();
    shared.hidedesktop = 0;
    Startplay2& again = navigator.show<Startplay2>();
    EXPECT_FALSE(box(&again, "Check3").isChecked() || isOpen<Grey>());
    click(control(&again, "Label1_1"));
    EXPECT_EQ(shared.soundon, 1);
}

// The rules stand in front of the options and go alone; both the heading and the address
// open the game's page; another screen's close button ends the program.
TEST_F(Commands, TheRulesAndTheWebPageLeaveTheOptionsAsTheyWere)
{
    shared.hidedesktop = 1;
    navigator.show<Grey>();
    Startplay2& options = navigator.show<Startplay2>();
    click(box(&options, "Check1"), onTheBox);
    click(control(&options, "Label6"));
    click(control(&open<Fandlerules>(), "Label3_0"));
    EXPECT_TRUE(isOpen<Startplay2>() && !isOpen<Fandlerules>() && !box(&options, "Check1").isChecked());
    click(control(&options, "Label6"));
    open<Fandlerules>().close(); // the window's own close button closes the rules alone
    open<Grey>().close();        // and the backdrop stays
    EXPECT_TRUE(isOpen<Grey>() && isOpen<Startplay2>() && !isOpen<Fandlerules>() && programEnds == 0);

    zorbitan::testing::UrlRecorder browser;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
    click(control(&options, "Label2_0"));
    click(control(&options, "Label2_12"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(browser.opened, QList<QUrl>(2, QUrl(toQString(publisher::webAddress))));
    options.close();
    EXPECT_EQ(programEnds, 1);
}

// One mark a row; every visit starts again at Level 3; "OK" plays at the levels marked.
TEST_F(Commands, TheLevelScreenSetsEachPlayersLevel)
{
    shared.numberofplayers = 3;
    shared.playerlevel = {0, 1, 2, 1, 2};
    Playlevel& levels = navigator.show<Playlevel>();
    EXPECT_EQ(shared.playerlevel, (std::array<Integer, 5>{0, 3, 3, 3, 3}));
    click(control(&levels, "Label9_0"));
    click(control(&levels, "Label9_1"));
    EXPECT_EQ(text(&levels, "Label9_0") + "|" + text(&levels, "Label9_1") + "|" + text(&levels, "Label9_2"), "|X|");
    EXPECT_EQ(shared.playerlevel[2], 2);
    click(control(&levels, "Label3_0")); // Exit
    EXPECT_TRUE(isOpen<Titlefrm>() && !isOpen<Playlevel>());
    Playlevel& again = navigator.show<Playlevel>();
    EXPECT_TRUE(text(&again, "Label9_2") == "X" && shared.playerlevel[2] == 3);
    click(control(&again, "Label7_0"));
    click(control(&again, "Label8_0"));
    EXPECT_TRUE(isOpen<fan1>() && !isOpen<Playlevel>());
    EXPECT_EQ(shared.currentlevel, 1);
}

// "Exit" keeps a game of two cards, with its own sound setting, and goes back to the
// title before the backdrop; the title turns sound on.
TEST_F(Commands, ExitKeepsAnUnfinishedGame)
{
    playersAtLevels({3, 3});
    shared.soundon = 0;
    shared.hidedesktop = 1;
    navigator.show<Grey>();
    fan1& game = navigator.show<fan1>();
    takeCardAndAnswer(game, 1);
    takeCardAndAnswer(game, 12);
    click(control(&game, "Label3_0"));
    EXPECT_TRUE(savedBytes().startsWith("1\r\n1\r\n") && savedBytes().endsWith("2\r\n1\r\n0\r\n"))
        << savedBytes().data();
    EXPECT_TRUE(isOpen<Titlefrm>() && isOpen<Grey>() && !isOpen<fan1>());
    EXPECT_EQ(shared.soundon, 1);
}

// Nothing is kept after a win, after one card or by "New Game", and an older game stays;
// a won game left mid-flash sounds no more klaxons.
TEST_F(Commands, OnlyAGameWorthKeepingIsKept)
{
    saveAGame();
    const QByteArray older = savedBytes();
    fan1& won = restart();
    takeCardAndAnswer(won, 3);
    ASSERT_TRUE(waitFor([&] { return won.model().winner() == 1; }));
    click(control(&won, "Label3_0"));
    const std::size_t heard = sounds.size();
    QEventLoop closing; // the closed screen lives on until this loop ends
    QTimer::singleShot(1500, &closing, &QEventLoop::quit);
    closing.exec();
    EXPECT_EQ(sounds.size(), heard);
    navigator.close<Titlefrm>();
    playersAtLevels({3, 3});
    fan1& fresh = navigator.show<fan1>();
    takeCardAndAnswer(fresh, 4);
    click(control(&fresh, "Label3_0"));
    navigator.close<Titlefrm>();
    fan1& left = restart();
    takeCardAndAnswer(left, 4);
    click(control(&left, "Label3_1")); // New Game
    EXPECT_TRUE(isOpen<Startplay2>() && !isOpen<fan1>());
    EXPECT_EQ(savedBytes(), older);
}

// Brought back over the backdrop, with Level 3 for players who chose none in this run; a
// missing saved game leaves the title. The game's own box starts ticked and switches the
// backdrop; its close button keeps the game and ends the program.
TEST_F(Commands, ASavedGameComesBackAndTheGameScreensBoxAndCloseButtonWork)
{
    click(control(&navigator.show<Titlefrm>(), "Label6"));
    EXPECT_TRUE(isOpen<Titlefrm>() && !isOpen<fan1>());
    navigator.close<Titlefrm>();
    saveAGame();
    fan1& game = restart();
    EXPECT_TRUE(isOpen<Grey>() && !isOpen<Titlefrm>() && shared.hidedesktop == 1 && shared.restartgame == 0);
    EXPECT_EQ(shared.playerlevel, (std::array<Integer, 5>{0, 3, 3, 3, 3}));
    EXPECT_EQ(game.model().turnnumber(), 5);
    auto& backdrop = box(&game, "Check3");
    click(backdrop, onTheBox);
    EXPECT_TRUE(shared.hidedesktop == 0 && !isOpen<Grey>());
    click(backdrop, onTheBox);
    EXPECT_TRUE(shared.hidedesktop == 1 && isOpen<Grey>() && backdrop.isChecked());
    takeCardAndAnswer(game, 6);
    game.close();
    EXPECT_EQ(programEnds, 1);
    Module1 reread;
    ASSERT_TRUE(readSavedGame(reread, folder.filePath(QStringLiteral("lastgame.inf"))));
    EXPECT_EQ(reread.boardowner[6], 1);
}

// Every button and tick box is reached by Tab; Enter takes a card, and a typed number,
// then Enter, answers with it.
TEST_F(Commands, TheKeyboardReachesEveryControlAndAnswers)
{
    EXPECT_EQ(tabStops(navigator.show<Titlefrm>()), (QStringList{"Label5", "Label7", "Label6"}));
    navigator.show<Grey>();
    EXPECT_EQ(tabStops(navigator.show<Startplay2>()), (QStringList{"Label6", "Check1", "Check3", "Label1_0", "Label1_1",
                                                                   "Label1_2", "Label1_3", "Label2_12", "Label3_0"}));
    EXPECT_EQ(tabStops(navigator.show<Fandlerules>()), (QStringList{"Label3_0"}));
    playersAtLevels({3, 3});
    EXPECT_EQ(tabStops(navigator.show<Playlevel>()), (QStringList{"Label8_0", "Label3_0", "Label7_0", "Label7_1",
                                                                  "Label7_2", "Label9_0", "Label9_1", "Label9_2"}));
    fan1& game = navigator.show<fan1>();
    EXPECT_EQ(tabStops(game), (QStringList{"Label5", "Label1_1", "Label3_0", "Label3_1", "Check3"}));
    random.draw({{36, 60}}); // "a factor of 12"
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(waitFor([&] { return game.model().turnnumber() == 0; }));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(shared.boardowner[12], 1);
    EXPECT_EQ(control(&game, "Label1_12").accessibleName(), "12, Blue counter"); // as a screen reader reads it
}
