// The way through the screens: title, options, rules, levels and back, with real clicks.

#include "Fandlerules.h"
#include "Grey.h"
#include "Playlevel.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"
#include "UrlRecorder.h"
#include "fan1.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

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

    Playlevel& openLevels(int players)
    {
        click(control(&openOptions(), qPrintable(QStringLiteral("Label1_%1").arg(players - 1))));
        return open<Playlevel>();
    }

    QString text(const QWidget* screen, const char* name) { return control<QLabel>(screen, name).text(); }

    static constexpr QPoint onTheBox{8, 12};
};

} // namespace

TEST_F(Navigation, TitleLoadsCentredAndOkOrThePictureStartsANewGame)
{
    for (const char* command : {"Label5", "Picture1"}) {
        shared = Module1{};
        shared.boardowner[40] = 3;
        shared.restartgame = 1;
        Titlefrm& title = navigator.show<Titlefrm>();
        EXPECT_EQ(shared.soundon, 1);
        EXPECT_EQ(title.size(), QSize(372, 438));
        EXPECT_EQ(title.pos(), QPoint(454, 293)); // the 372 x 438 window, no frame, on 1280 x 1024
        EXPECT_EQ(control<QLabel>(&title, "Picture1").pixmap().size(), QSize(320, 240));
        click(control(&title, command));
        EXPECT_FALSE(isOpen<Titlefrm>());
        EXPECT_TRUE(isOpen<Grey>() && isOpen<Startplay2>());
        EXPECT_EQ(shared.boardowner[40] + shared.restartgame, 0);
        EXPECT_EQ(shared.hidedesktop, 1);
        EXPECT_EQ(open<Grey>().geometry(), QRect(0, 0, 1280, 1024));
        click(control(&open<Startplay2>(), "Label3_0"));
        EXPECT_TRUE(isOpen<Titlefrm>() && !isOpen<Startplay2>() && isOpen<Grey>());
        navigator.close<Titlefrm>();
    }
    EXPECT_TRUE(sounds.empty());
}

TEST_F(Navigation, ExitOrAWindowsOwnCloseButtonEndsTheProgram)
{
    click(control(&navigator.show<Titlefrm>(), "Label7"));
    EXPECT_EQ(programEnds, 1);
    Startplay2& options = openOptions();
    click(control(&options, "Label6"));
    open<Fandlerules>().close(); // the rules close alone
    EXPECT_EQ(programEnds, 1);
    open<Grey>().close(); // the backdrop stays
    EXPECT_TRUE(isOpen<Grey>());
    options.close();
    EXPECT_EQ(programEnds, 2);
}

TEST_F(Navigation, OptionsBoxesAndTheBackdrop)
{
    Startplay2& options = openOptions();
    auto& sound = control<QCheckBox>(&options, "Check1");
    auto& backdrop = control<QCheckBox>(&options, "Check3");
    EXPECT_TRUE(sound.isChecked() && backdrop.isChecked() && backdrop.isVisible());
    EXPECT_EQ(control<QLabel>(&options, "Image2").pixmap().size(), QSize(100, 139));
    click(backdrop, onTheBox);
    EXPECT_EQ(shared.hidedesktop, 0);
    EXPECT_FALSE(isOpen<Grey>());
    click(backdrop, onTheBox);
    EXPECT_EQ(shared.hidedesktop, 1);
    EXPECT_TRUE(isOpen<Grey>());
    EXPECT_EQ(played(sounds::click1), 2);

    // Reached with the backdrop off, the box is unticked at once, as if clicked.
    navigator.close<Startplay2>();
    shared.hidedesktop = 0;
    EXPECT_FALSE(control<QCheckBox>(&navigator.show<Startplay2>(), "Check3").isChecked());
    EXPECT_EQ(played(sounds::click1), 3);
    EXPECT_FALSE(isOpen<Grey>());
}

TEST_F(Navigation, ChoosingPlayersFixesTheSoundClearsTheBoardAndClosesTheRules)
{
    Startplay2& options = openOptions();
    auto& sound = control<QCheckBox>(&options, "Check1");
    click(sound, onTheBox);
    click(sound, onTheBox);
    click(sound, onTheBox);
    EXPECT_EQ(played(sounds::click1), 3); // sound stays on until the players are chosen
    click(control(&options, "Label6"));
    EXPECT_TRUE(isOpen<Fandlerules>());
    EXPECT_EQ(played(sounds::click), 1);
    shared.boardowner[0] = shared.boardowner[99] = 2;
    click(control(&options, "Label1_3"));
    EXPECT_EQ(shared.numberofplayers, 4);
    EXPECT_EQ(shared.soundon, 0);
    EXPECT_EQ(shared.boardowner[0] + shared.boardowner[99], 0);
    EXPECT_TRUE(isOpen<Playlevel>());
    EXPECT_FALSE(isOpen<Fandlerules>() || isOpen<Startplay2>());
    EXPECT_EQ(played(sounds::click), 1); // sound is now off
}

TEST_F(Navigation, RulesStandInFrontAndCloseLeavingTheOptions)
{
    Startplay2& options = openOptions();
    click(control(&options, "Label6"));
    Fandlerules& rules = open<Fandlerules>();
    EXPECT_EQ(rules.geometry(), QRect(241, 213, 798, 598));
    EXPECT_TRUE(text(&rules, "Label1_2").startsWith("Players take turns to select a card."));
    EXPECT_EQ(control(&rules, "Image1").geometry(), QRect(392, 240, 320, 240));
    shared.soundon = 0;
    click(control(&rules, "Label3_0"));
    EXPECT_FALSE(isOpen<Fandlerules>());
    EXPECT_TRUE(isOpen<Startplay2>());
    EXPECT_EQ(played(sounds::click), 1); // only the opening click, while sound was on

    zorbitan::testing::UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    click(control(&options, "Label2_0"));
    click(control(&options, "Label2_12"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(recorder.opened.size(), 2);
}

TEST_F(Navigation, LevelScreenMarksOneLevelPerPlayerAndStartsTheGame)
{
    shared.playerlevel = {0, 1, 2, 1, 2};
    Playlevel& levels = openLevels(3);
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
    EXPECT_EQ(text(&levels, "Label9_0") + text(&levels, "Label9_1") + text(&levels, "Label9_2"), "X");
    EXPECT_EQ(text(&levels, "Label9_1"), "X");
    EXPECT_EQ(shared.playerlevel[2], 2);
    click(control(&levels, "Label7_0"));
    const auto soundsBefore = sounds.size();
    click(control(&levels, "Label8_0"));
    EXPECT_EQ(sounds.size(), soundsBefore);
    ASSERT_TRUE(isOpen<fan1>());
    EXPECT_FALSE(isOpen<Playlevel>());
    EXPECT_EQ(open<fan1>().model().controls().Label11.caption, "Level 1");
}

TEST_F(Navigation, LevelExitGoesToTheTitleAndTheNextVisitStartsAfresh)
{
    click(control(&openLevels(2), "Label9_0"));
    click(control(&open<Playlevel>(), "Label3_0"));
    EXPECT_TRUE(isOpen<Titlefrm>());
    EXPECT_EQ(shared.playerlevel[2], 1);
    EXPECT_EQ(text(&openLevels(2), "Label9_2"), "X");
    EXPECT_EQ(shared.playerlevel[2], 3);
}
