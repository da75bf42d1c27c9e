// The way through the screens, with real clicks and with the keyboard alone: title,
// options, rules, levels and back, where each opens and what each command sets and
// sounds; every button and tick box reached by Tab, and an answer typed that counts.

#include "DisplayCheck.h"
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
#include <QLabel>

using namespace zorbitan;
using zorbitan::testing::ScreenTest;

namespace {
class Navigation : public ScreenTest {
protected:
    Startplay2& openOptions()
    {
        click(control(&navigator.show<Titlefrm>(), "Label5"));
        return open<Startplay2>();
    }

    QString text(const QWidget* screen, const char* name) { return control<QLabel>(screen, name).text(); }
    QCheckBox& box(const QWidget* screen, const char* name) { return control<QCheckBox>(screen, name); }
};

QString focused()
{
    return QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName() : QString();
}

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

TEST_F(Navigation, TheTitleOpensCentredAndOkOrItsPictureStartsANewGame)
{
    for (const char* command : {"Label5", "Picture1"}) {
        shared = Module1{};
        shared.boardowner[40] = shared.restartgame = 1;
        Titlefrm& title = navigator.show<Titlefrm>();
        EXPECT_EQ(shared.soundon, 1);
        EXPECT_EQ(title.geometry(), QRect(454, 293, 372, 438)); // centred, no frame, on 1280 x 1024
        EXPECT_EQ(control<QLabel>(&title, "Picture1").pixmap().size(), QSize(320, 240));
        click(control(&title, command));
        EXPECT_TRUE(isOpen<Grey>() && isOpen<Startplay2>() && !isOpen<Titlefrm>());
        EXPECT_EQ(shared.boardowner[40] + shared.restartgame, 0);
        EXPECT_EQ(shared.hidedesktop, 1);
        EXPECT_EQ(open<Grey>().geometry(), QRect(0, 0, 1280, 1024));
        click(control(&open<Startplay2>(), "Label3_0")); // Exit, to the title in front of the backdrop
        EXPECT_TRUE(isOpen<Titlefrm>() && isOpen<Grey>() && !isOpen<Startplay2>());
        navigator.close<Titlefrm>();
    }
    EXPECT_TRUE(sounds.empty());
    click(control(&navigator.show<Titlefrm>(), "Label7"));
    EXPECT_EQ(programEnds, 1);
}

// The opening stops where a picture cannot be read: the screen takes the standard size,
// and the options' "Hide Desktop" stays hidden and ticked, its click steps never run.
TEST_F(Navigation, WithoutTheirPicturesTheTitleAndOptionsOpenAtTheStandardSize)
{
    QFile::remove(folder.filePath(QStringLiteral("Images")));
    EXPECT_EQ(navigator.show<Titlefrm>().geometry(), QRect(241, 213, 798, 598));
    shared.hidedesktop = 0;
    navigator.show<Grey>();
    Startplay2& options = navigator.show<Startplay2>();
    EXPECT_EQ(options.geometry(), QRect(241, 213, 798, 598));
    EXPECT_TRUE(box(&options, "Check3").isChecked() && !box(&options, "Check3").isVisible());
    EXPECT_TRUE(isOpen<Grey>() && sounds.empty());
    EXPECT_EQ(shared.hidedesktop, 0);
}

TEST_F(Navigation, TheOptionsBoxesSwitchTheBackdropAndSoundOnlyWhenPlayersAreChosen)
{
    Startplay2& options = openOptions();
    EXPECT_TRUE(box(&options, "Check1").isChecked() && box(&options, "Check3").isChecked());
    EXPECT_TRUE(box(&options, "Check3").isVisible()); // the 1280-pixel display has room, 800 would not
    EXPECT_TRUE(roomForBackdrop(QSize(12001, 9000)) && !roomForBackdrop(QSize(12000, 9000)));
    EXPECT_EQ(control<QLabel>(&options, "Image2").pixmap().size(), QSize(100, 139));
    click(box(&options, "Check3"), onTheBox);
    EXPECT_TRUE(shared.hidedesktop == 0 && !isOpen<Grey>());
    click(box(&options, "Check3"), onTheBox);
    EXPECT_TRUE(shared.hidedesktop == 1 && isOpen<Grey>());
    for (int i = 0; i < 3; ++i) {
        click(box(&options, "Check1"), onTheBox);
    }
    EXPECT_EQ(played(sounds::click1), 5); // sound stays on until the players are chosen
    click(control(&options, "Label6"));
    EXPECT_EQ(played(sounds::click), 1);
    shared.boardowner[0] = shared.boardowner[99] = 2;
    click(control(&options, "Label1_3"));
    EXPECT_EQ(shared.numberofplayers, 4);
    EXPECT_EQ(shared.soundon, 0);
    EXPECT_EQ(shared.boardowner[0] + shared.boardowner[99], 0);
    EXPECT_TRUE(isOpen<Playlevel>() && !isOpen<Fandlerules>() && !isOpen<Startplay2>());
    EXPECT_EQ(played(sounds::click), 1); // sound is now off

    // Reached with the backdrop off, the box is unticked at once, as if clicked; a
    // number of players with "Play Sound" ticked is heard.
    navigator.close<Playlevel>();
    shared.soundon = 1;
    shared.hidedesktop = 0;
    Startplay2& again = navigator.show<Startplay2>();
    EXPECT_FALSE(box(&again, "Check3").isChecked() || isOpen<Grey>());
    EXPECT_EQ(played(sounds::click1), 6);
    click(control(&again, "Label1_1"));
    EXPECT_EQ(played(sounds::click), 2);
}

TEST_F(Navigation, TheRulesStandInFrontAndCloseWithAClickLeavingTheOptions)
{
    Startplay2& options = openOptions();
    click(control(&options, "Label6"));
    Fandlerules& rules = open<Fandlerules>();
    EXPECT_EQ(rules.geometry(), QRect(241, 213, 798, 598));
    EXPECT_TRUE(text(&rules, "Label1_2").startsWith("Players take turns to select a card."));
    EXPECT_EQ(control(&rules, "Image1").geometry(), QRect(392, 240, 320, 240));
    click(control(&rules, "Label3_0"));
    EXPECT_TRUE(isOpen<Startplay2>() && !isOpen<Fandlerules>());
    EXPECT_EQ(played(sounds::click), 2);
    shared.soundon = 0;
    click(control(&options, "Label6"));
    open<Fandlerules>().close(); // the window's own close button closes the rules alone
    open<Grey>().close();        // and the backdrop stays
    EXPECT_TRUE(isOpen<Grey>() && isOpen<Startplay2>() && programEnds == 0);
    EXPECT_EQ(played(sounds::click), 2);

    zorbitan::testing::UrlRecorder recorder; // both the heading and the address open the game's page
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    click(control(&options, "Label2_0"));
    click(control(&options, "Label2_12"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(recorder.opened, QList<QUrl>(2, QUrl(toQString(publisher::webAddress))));
    options.close(); // any other screen's close button ends the program
    EXPECT_EQ(programEnds, 1);
}

TEST_F(Navigation, TheLevelScreenMarksOneLevelPerPlayerAndStartsAfreshEachVisit)
{
    shared.playerlevel = {0, 1, 2, 1, 2};
    click(control(&openOptions(), "Label1_2"));
    Playlevel& levels = open<Playlevel>();
    EXPECT_EQ(levels.pos(), QPoint(454, 293));
    EXPECT_EQ(shared.playerlevel, (std::array<Integer, 5>{0, 3, 3, 3, 3}));
    for (const char* shown : {"Label1_2", "Label12_2", "Label7_0", "Label9_1", "Label10_2"}) {
        EXPECT_TRUE(control(&levels, shown).isVisible()) << shown;
    }
    for (const char* hidden : {"Label1_3", "Label12_3", "Label11_0"}) {
        EXPECT_FALSE(control(&levels, hidden).isVisible()) << hidden;
    }
    click(control(&levels, "Label9_0"));
    click(control(&levels, "Label9_1"));
    EXPECT_EQ(text(&levels, "Label9_0") + "|" + text(&levels, "Label9_1") + "|" + text(&levels, "Label9_2"), "|X|");
    EXPECT_EQ(shared.playerlevel[2], 2);
    click(control(&levels, "Label3_0")); // Exit
    click(control(&open<Titlefrm>(), "Label5"));
    click(control(&open<Startplay2>(), "Label1_1"));
    EXPECT_EQ(text(&open<Playlevel>(), "Label9_2"), "X");
    EXPECT_EQ(shared.playerlevel[2], 3);
    click(control(&open<Playlevel>(), "Label7_0"));
    const auto soundsBefore = sounds.size();
    click(control(&open<Playlevel>(), "Label8_0"));
    EXPECT_EQ(sounds.size(), soundsBefore);
    EXPECT_TRUE(isOpen<fan1>() && !isOpen<Playlevel>());
    EXPECT_EQ(open<fan1>().model().controls().Label11.caption, "Level 1");
}

TEST_F(Navigation, TabReachesEveryButtonAndTickBoxOfEveryScreen)
{
    EXPECT_EQ(tabStops(navigator.show<Titlefrm>()), (QStringList{"Label5", "Label7", "Label6"}));
    navigator.show<Grey>();
    EXPECT_EQ(tabStops(navigator.show<Startplay2>()), (QStringList{"Label6", "Check1", "Check3", "Label1_0", "Label1_1",
                                                                   "Label1_2", "Label1_3", "Label2_12", "Label3_0"}));
    EXPECT_EQ(tabStops(navigator.show<Fandlerules>()), (QStringList{"Label3_0"}));
    shared.numberofplayers = 2;
    EXPECT_EQ(tabStops(navigator.show<Playlevel>()), (QStringList{"Label8_0", "Label3_0", "Label7_0", "Label7_1",
                                                                  "Label7_2", "Label9_0", "Label9_1", "Label9_2"}));
    EXPECT_EQ(tabStops(navigator.show<fan1>()), (QStringList{"Label5", "Label1_1", "Label3_0", "Label3_1", "Check3"}));
}

// Enter takes a card; a typed number, then Enter, answers with it.
TEST_F(Navigation, AnAnswerTypedOnTheKeyboardCounts)
{
    playersAtLevels({3, 3});
    random.next = {(37 - 0.5) / 60.0}; // "a factor of 12"
    fan1& game = navigator.show<fan1>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&game));
    ASSERT_EQ(focused(), "Label5");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return game.model().turnnumber() == 0; }, 2000));
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("12"));
    EXPECT_EQ(focused(), "Label1_12");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(shared.boardowner[12], 1);
    EXPECT_EQ(control(&game, "Label1_12").accessibleName(), "12, Blue counter"); // as a screen reader reads it
}

// In a Wayland session with Xwayland the game asks for Xwayland itself, unless the
// player chose a platform; without Xwayland, or outside Wayland, it asks for nothing.
TEST(Platform, AWaylandSessionRunsThroughXwaylandUnlessThePlayerChose)
{
    const QByteArray saved[] = {qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"), qgetenv("QT_QPA_PLATFORM")};
    const auto arguments = [](const char* wayland, const char* display, const char* platform, const char* argument) {
        for (const auto& [variable, value] :
             {std::pair{"WAYLAND_DISPLAY", wayland}, {"DISPLAY", display}, {"QT_QPA_PLATFORM", platform}}) {
            value != nullptr ? qputenv(variable, value) : qunsetenv(variable);
        }
        char program[] = "zorbitan";
        std::vector<char*> given{program};
        QByteArray extra(argument != nullptr ? argument : "");
        if (argument != nullptr) {
            given.push_back(extra.data());
        }
        QStringList result;
        for (const char* one : argumentsChoosingPlatform(static_cast<int>(given.size()), given.data())) {
            result << (one != nullptr ? QString::fromLatin1(one) : QStringLiteral("."));
        }
        return result.join(QLatin1Char(' '));
    };
    EXPECT_EQ(arguments("wayland-0", ":1", nullptr, nullptr), "zorbitan -platform xcb .");
    EXPECT_EQ(arguments("wayland-0", ":1", "wayland", nullptr), "zorbitan .");
    EXPECT_EQ(arguments("wayland-0", ":1", nullptr, "-platform"), "zorbitan -platform .");
    EXPECT_EQ(arguments("wayland-0", nullptr, nullptr, nullptr), "zorbitan .");
    EXPECT_EQ(arguments(nullptr, ":1", nullptr, nullptr), "zorbitan .");
    arguments(saved[0].data(), saved[1].data(), saved[2].data(), nullptr);
}
