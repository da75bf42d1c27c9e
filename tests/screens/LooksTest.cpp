// What a player sees on every screen, in the states a player meets, drawn as the layout
// tables in layout/ give it (see LayoutCheck.h).

#include "Fandlerules.h"
#include "Grey.h"
#include "LayoutCheck.h"
#include "Playlevel.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"

using namespace zorbitan;
using zorbitan::testing::ScreenTest;

namespace {
class Looks : public ScreenTest {
protected:
    void expectAsLaidOut(QWidget& screen, const QString& state = {})
    {
        const QStringList differences = zorbitan::testing::differencesFromLayout(screen, state);
        EXPECT_TRUE(differences.isEmpty()) << screen.objectName().toStdString() << " " << state.toStdString() << ":\n"
                                           << differences.join(QLatin1Char('\n')).toStdString();
    }
};
} // namespace

TEST_F(Looks, TheScreensAroundAGame)
{
    expectAsLaidOut(navigator.show<Titlefrm>());
    shared.hidedesktop = 1;
    expectAsLaidOut(navigator.show<Grey>());
    expectAsLaidOut(navigator.show<Startplay2>());
    expectAsLaidOut(navigator.show<Fandlerules>());
    shared.numberofplayers = 4;
    Playlevel& levels = navigator.show<Playlevel>();
    expectAsLaidOut(levels);
    click(control(&levels, "Label9_0"));
    expectAsLaidOut(levels, QStringLiteral("Red at Level 1"));
    navigator.close<Titlefrm>();
    playersAtLevels({3, 3});
    click(control(&navigator.show<fan1>(), "Label3_0")); // Exit
    expectAsLaidOut(open<Titlefrm>(), QStringLiteral("after a game"));
}

// A turn of each kind, then a game brought back and won: Blue's counter, Red's in its
// place, a wrong answer, and the winning line flashing and then standing.
TEST_F(Looks, TheGameScreenThroughAGame)
{
    playersAtLevels({3, 3});
    fan1& game = navigator.show<fan1>();
    expectAsLaidOut(game);
    takeCardAndAnswer(game, 12);
    expectAsLaidOut(game, QStringLiteral("after a right answer"));
    takeCardAndAnswer(game, 12);
    expectAsLaidOut(game, QStringLiteral("after a replacement"));
    takeCardAndAnswer(game, 50);
    expectAsLaidOut(game, QStringLiteral("after a wrong answer"));

    navigator.close<fan1>();
    saveAGame();
    click(control(&navigator.show<Titlefrm>(), "Label6")); // Restart Previous Game
    fan1& restored = open<fan1>();
    takeCardAndAnswer(restored, 3);
    ASSERT_TRUE(waitFor([&] { return restored.model().flashcount() == 5; }));
    expectAsLaidOut(restored, QStringLiteral("during the win"));
    ASSERT_TRUE(waitFor([&] { return !restored.model().controls().timers[3].enabled; }));
    expectAsLaidOut(restored, QStringLiteral("after the win"));
}
