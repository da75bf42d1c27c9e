// The way through the screens: title, options, rules, levels and back, with real clicks.

#include "Fandlerules.h"
#include "Grey.h"
#include "Playlevel.h"
#include "Publisher.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"
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
        Titlefrm& title = navigator.show<Titlefrm>();
        click(control(&title, "Label5"));
        return open<Startplay2>();
    }

    Playlevel& openLevels(int players)
    {
        Startplay2& options = openOptions();
        click(control(&options, qPrintable(QStringLiteral("Label1_%1").arg(players - 1))));
        return open<Playlevel>();
    }

    static QPoint onTheBox() { return {8, 12}; }
};

class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};
} // namespace

TEST_F(Navigation, TitleScreenTurnsSoundOnAndSitsCentredAtItsOwnSize)
{
    Titlefrm& title = navigator.show<Titlefrm>();
    EXPECT_EQ(shared.soundon, 1);
    EXPECT_EQ(title.size(), QSize(372, 438));
    // 1280 x 1024 display; the window with its border is 374 x 440.
    EXPECT_EQ(title.pos(), QPoint(453, 292));
    EXPECT_EQ(control<QLabel>(&title, "Picture1").pixmap().size(), QSize(320, 240));
    EXPECT_EQ(control<QLabel>(&title, "Label5").text(), "OK");
    EXPECT_EQ(control(&title, "Label6").geometry(), QRect(48, 352, 265, 29));
    EXPECT_EQ(control(&title, "Frame1").geometry(), QRect(0, -6, 373, 444));
}

TEST_F(Navigation, OkStartsANewGameBehindTheBackdrop)
{
    shared.boardowner[40] = 3;
    shared.restartgame = 1;
    shared.hidedesktop = 0;
    Titlefrm& title = navigator.show<Titlefrm>();
    click(control(&title, "Label5"));
    EXPECT_FALSE(isOpen<Titlefrm>());
    EXPECT_TRUE(isOpen<Grey>());
    EXPECT_TRUE(isOpen<Startplay2>());
    EXPECT_EQ(shared.boardowner[40], 0);
    EXPECT_EQ(shared.restartgame, 0);
    EXPECT_EQ(shared.hidedesktop, 1);
    EXPECT_TRUE(sounds.empty());
    EXPECT_EQ(open<Grey>().palette().color(QPalette::Window), QColor(49, 135, 215));
    EXPECT_EQ(open<Grey>().geometry(), QRect(0, 0, 1280, 1024));
}

TEST_F(Navigation, ThePictureActsAsOk)
{
    Titlefrm& title = navigator.show<Titlefrm>();
    click(control(&title, "Picture1"));
    EXPECT_TRUE(isOpen<Startplay2>());
    EXPECT_FALSE(isOpen<Titlefrm>());
}

TEST_F(Navigation, TitleExitEndsTheProgram)
{
    Titlefrm& title = navigator.show<Titlefrm>();
    click(control(&title, "Label7"));
    EXPECT_EQ(programEnds, 1);
    EXPECT_FALSE(isOpen<Titlefrm>());
}

TEST_F(Navigation, OptionsOpenWithBothBoxesTickedAndTheBackdropOffered)
{
    Startplay2& options = openOptions();
    EXPECT_EQ(options.pos(), QPoint(453, 292));
    EXPECT_TRUE(control<QCheckBox>(&options, "Check1").isChecked());
    EXPECT_TRUE(control<QCheckBox>(&options, "Check3").isChecked());
    EXPECT_TRUE(control(&options, "Check3").isVisible());
    EXPECT_EQ(control<QLabel>(&options, "Image2").pixmap().size(), QSize(100, 139));
    EXPECT_EQ(control(&options, "Label1_3").geometry(), QRect(270, 336, 57, 49));
    EXPECT_TRUE(sounds.empty());
}

TEST_F(Navigation, OptionsReachedWithTheBackdropOffUntickItAndClick)
{
    shared.soundon = 1;
    shared.hidedesktop = 0;
    Startplay2& options = navigator.show<Startplay2>();
    EXPECT_FALSE(control<QCheckBox>(&options, "Check3").isChecked());
    EXPECT_EQ(shared.hidedesktop, 0);
    EXPECT_EQ(played(sounds::click1), 1);
    EXPECT_FALSE(isOpen<Grey>());
}

TEST_F(Navigation, HideDesktopBoxSwitchesTheBackdrop)
{
    Startplay2& options = openOptions();
    auto& box = control<QCheckBox>(&options, "Check3");
    click(box, onTheBox());
    EXPECT_FALSE(box.isChecked());
    EXPECT_EQ(shared.hidedesktop, 0);
    EXPECT_FALSE(isOpen<Grey>());
    click(box, onTheBox());
    EXPECT_EQ(shared.hidedesktop, 1);
    EXPECT_TRUE(isOpen<Grey>());
    EXPECT_EQ(played(sounds::click1), 2);
}

TEST_F(Navigation, SoundBoxCountsOnlyWhenThePlayersAreChosen)
{
    Startplay2& options = openOptions();
    auto& sound = control<QCheckBox>(&options, "Check1");
    click(sound, onTheBox());
    EXPECT_FALSE(sound.isChecked());
    EXPECT_EQ(shared.soundon, 1);
    click(sound, onTheBox());
    click(sound, onTheBox());
    EXPECT_EQ(played(sounds::click1), 3);  // sound was still on
    click(control(&options, "Label1_3"));
    EXPECT_EQ(shared.soundon, 0);
    EXPECT_EQ(played(sounds::click), 0);
}

TEST_F(Navigation, ChoosingPlayersFixesTheSettingsAndOpensTheLevels)
{
    shared.boardowner[0] = 2;
    shared.boardowner[99] = 4;
    Startplay2& options = openOptions();
    click(control(&options, "Label6"));
    EXPECT_TRUE(isOpen<Fandlerules>());
    EXPECT_EQ(played(sounds::click), 1);
    click(control(&options, "Label1_3"));
    EXPECT_EQ(shared.numberofplayers, 4);
    EXPECT_EQ(shared.soundon, 1);
    EXPECT_EQ(shared.boardowner[0], 0);
    EXPECT_EQ(shared.boardowner[99], 0);
    EXPECT_TRUE(isOpen<Playlevel>());
    EXPECT_FALSE(isOpen<Fandlerules>());
    EXPECT_FALSE(isOpen<Startplay2>());
    EXPECT_EQ(played(sounds::click), 2);
}

TEST_F(Navigation, RulesOpenInFrontAndCloseLeavingTheOptionsAsTheyWere)
{
    Startplay2& options = openOptions();
    auto& sound = control<QCheckBox>(&options, "Check1");
    click(sound, onTheBox());
    click(control(&options, "Label6"));
    Fandlerules& rules = open<Fandlerules>();
    EXPECT_EQ(rules.size(), QSize(798, 598));
    EXPECT_EQ(rules.pos(), QPoint(240, 212));
    EXPECT_EQ(control<QLabel>(&rules, "Label1_2").text().left(28), "Players take turns to select");
    EXPECT_EQ(control<QLabel>(&rules, "Image1").geometry(), QRect(392, 240, 320, 240));
    click(control(&rules, "Label3_0"));
    EXPECT_FALSE(isOpen<Fandlerules>());
    EXPECT_TRUE(isOpen<Startplay2>());
    EXPECT_FALSE(sound.isChecked());

    shared.soundon = 0;
    const int clicks = played(sounds::click);
    click(control(&options, "Label6"));
    click(control(&open<Fandlerules>(), "Label3_0"));
    EXPECT_EQ(played(sounds::click), clicks);
}

TEST_F(Navigation, BothWebLabelsOpenTheGamesPage)
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    Startplay2& options = openOptions();
    click(control(&options, "Label2_0"));
    click(control(&options, "Label2_12"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(recorder.opened.size(), 2);
    EXPECT_EQ(recorder.opened[1].toString().toStdString(), std::string(publisher::webAddress));
    EXPECT_TRUE(isOpen<Startplay2>());
}

TEST_F(Navigation, OptionsExitGoesBackToTheTitleSilently)
{
    Startplay2& options = openOptions();
    click(control(&options, "Label3_0"));
    EXPECT_TRUE(isOpen<Titlefrm>());
    EXPECT_FALSE(isOpen<Startplay2>());
    EXPECT_TRUE(isOpen<Grey>());
    EXPECT_TRUE(sounds.empty());
}

TEST_F(Navigation, LevelScreenShowsARowPerPlayerWithLevelThreeMarked)
{
    shared.playerlevel = {0, 1, 2, 1, 2};
    Playlevel& levels = openLevels(2);
    EXPECT_EQ(levels.pos(), QPoint(453, 292));
    for (const char* shown : {"Label1_0", "Label1_1", "Label12_0", "Label12_1", "Label7_0", "Label9_2"}) {
        EXPECT_TRUE(control(&levels, shown).isVisible()) << shown;
    }
    for (const char* hidden : {"Label1_2", "Label12_2", "Label10_0", "Label11_2", "Label1_3"}) {
        EXPECT_FALSE(control(&levels, hidden).isVisible()) << hidden;
    }
    EXPECT_EQ(control<QLabel>(&levels, "Label7_2").text(), "X");
    EXPECT_EQ(control<QLabel>(&levels, "Label7_0").text(), "");
    EXPECT_EQ(shared.playerlevel, (std::array<Integer, 5>{0, 3, 3, 3, 3}));
}

TEST_F(Navigation, LevelSquaresMarkOneLevelPerPlayer)
{
    Playlevel& levels = openLevels(3);
    click(control(&levels, "Label9_0"));
    click(control(&levels, "Label9_1"));
    EXPECT_EQ(control<QLabel>(&levels, "Label9_0").text(), "");
    EXPECT_EQ(control<QLabel>(&levels, "Label9_1").text(), "X");
    EXPECT_EQ(control<QLabel>(&levels, "Label9_2").text(), "");
    EXPECT_EQ(shared.playerlevel[2], 2);
    click(control(&levels, "Label10_2"));
    EXPECT_EQ(shared.playerlevel[3], 3);
    EXPECT_EQ(control<QLabel>(&levels, "Label10_2").text(), "X");
    click(control(&levels, "Label7_0"));
    EXPECT_EQ(shared.playerlevel[1], 1);
    const auto soundsBefore = sounds.size();

    click(control(&levels, "Label8_0"));
    EXPECT_EQ(sounds.size(), soundsBefore);
    ASSERT_TRUE(isOpen<fan1>());
    EXPECT_FALSE(isOpen<Playlevel>());
    EXPECT_EQ(open<fan1>().model().controls().Label11.caption, "Level 1");
}

TEST_F(Navigation, LevelExitReturnsToTheTitleAndTheNextVisitStartsAfresh)
{
    Playlevel& levels = openLevels(2);
    click(control(&levels, "Label9_0"));
    click(control(&levels, "Label3_0"));
    EXPECT_TRUE(isOpen<Titlefrm>());
    EXPECT_EQ(shared.playerlevel[2], 1);
    click(control(&open<Titlefrm>(), "Label5"));
    click(control(&open<Startplay2>(), "Label1_1"));
    EXPECT_EQ(control<QLabel>(&open<Playlevel>(), "Label9_2").text(), "X");
    EXPECT_EQ(shared.playerlevel[2], 3);
}

TEST_F(Navigation, ClosingAWindowWithItsOwnButtonEndsTheProgram)
{
    Startplay2& options = openOptions();
    click(control(&options, "Label6"));
    open<Fandlerules>().close();
    EXPECT_FALSE(isOpen<Fandlerules>());
    EXPECT_EQ(programEnds, 0);
    open<Grey>().close();
    EXPECT_TRUE(isOpen<Grey>());
    options.close();
    EXPECT_EQ(programEnds, 1);
}

#include "NavigationTest.moc"
