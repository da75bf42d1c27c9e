// Playing with the keyboard alone: Tab order and Enter on every screen, the board's
// focus square, typed numbers, and keys that do nothing a click would not.

#include "Fandlerules.h"
#include "Grey.h"
#include "Playlevel.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"
#include "fan1.h"
#include "widgets/KeyboardFocus.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>

using namespace zorbitan;
using zorbitan::testing::ScreenTest;

namespace {
constexpr double factorsOfTwelve = (37 - 0.5) / 60.0; // "a factor of 12": 1, 2, 3, 4, 6, 12

class KeyboardPlay : public ScreenTest {
protected:
    KeyboardPlay()
    {
        fallback = [] { return factorsOfTwelve; };
    }

    // A key pressed and released on whatever has the keyboard focus.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(static_cast<QWidget*>(nullptr), key, modifiers);
    }

    static void type(const char* digits)
    {
        for (const char* d = digits; *d != '\0'; ++d) {
            QTest::keyClick(static_cast<QWidget*>(nullptr), *d);
        }
    }

    static QString focused()
    {
        const QWidget* widget = QApplication::focusWidget();
        return widget == nullptr ? QString() : widget->objectName();
    }

    // The focus stops met by pressing the key until the focus comes back.
    static QStringList tabStops(Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QStringList stops{focused()};
        for (int i = 0; i < 40; ++i) {
            press(Qt::Key_Tab, modifiers);
            if (focused() == stops.front()) {
                break;
            }
            stops << focused();
        }
        return stops;
    }

    template <typename Screen> Screen& active()
    {
        Screen& screen = open<Screen>();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&screen));
        return screen;
    }

    fan1& startGame()
    {
        playersAtLevels({3, 3});
        navigator.show<fan1>();
        return active<fan1>();
    }

    // "Take a card" by Enter, then the answer typed: the player's whole turn.
    static void playTurn(fan1& game, const char* answer)
    {
        ASSERT_TRUE(QTest::qWaitFor([] { return focused() == "Label5"; }, 4000)) << focused().toStdString();
        press(Qt::Key_Return);
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.model().controls().Label4.caption == "a factor of 12"; }, 2000));
        type(answer);
        press(Qt::Key_Return);
    }
};
} // namespace

TEST_F(KeyboardPlay, AWholeGameFromTheTitleToTheWinWithKeysOnly)
{
    navigator.show<Titlefrm>();
    active<Titlefrm>();
    press(Qt::Key_Return); // OK
    active<Startplay2>();
    while (focused() != "Label1_1") { // the "2" players button
        press(Qt::Key_Tab);
    }
    press(Qt::Key_Return);
    active<Playlevel>();
    EXPECT_EQ(focused(), "Label8_0");
    press(Qt::Key_Return); // OK: both players at Level 3
    fan1& game = active<fan1>();

    // Blue takes 1, 2 and 3; Red answers 12 in between.
    for (const char* blue : {"1", "2", "3"}) {
        playTurn(game, blue);
        ASSERT_TRUE(QTest::qWaitFor([&] { return game.model().winner() != 0 || focused() == "Label5"; }, 6000));
        if (game.model().winner() == 0) {
            playTurn(game, "12");
        }
    }
    ASSERT_EQ(game.model().winner(), 1);
    EXPECT_EQ(shared.boardowner[1] + shared.boardowner[2] + shared.boardowner[3], 3);
    EXPECT_EQ(shared.boardowner[12], 2);

    // Keys never do what a click could not: no card can be taken after the win.
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_NE(focused(), "Label5");
    while (focused() != "Label3_0") {
        press(Qt::Key_Tab);
    }
    press(Qt::Key_Return); // Exit
    EXPECT_TRUE(isOpen<Titlefrm>() && !isOpen<fan1>());
}

TEST_F(KeyboardPlay, TabReachesEveryButtonAndTickBoxInOrder)
{
    navigator.show<Titlefrm>();
    active<Titlefrm>();
    EXPECT_EQ(tabStops(), (QStringList{"Label5", "Label7", "Label6"}));
    EXPECT_EQ(tabStops(Qt::ShiftModifier), (QStringList{"Label5", "Label6", "Label7"}));

    navigator.show<Grey>();
    navigator.show<Startplay2>();
    navigator.close<Titlefrm>();
    active<Startplay2>();
    EXPECT_EQ(tabStops(), (QStringList{"Label6", "Check1", "Check3", "Label1_0", "Label1_1", "Label1_2", "Label1_3",
                                       "Label2_12", "Label3_0"}));
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab);
    press(Qt::Key_Return); // The Rules
    active<Fandlerules>();
    EXPECT_EQ(tabStops(), (QStringList{"Label3_0"}));
    press(Qt::Key_Space); // Exit
    EXPECT_FALSE(isOpen<Fandlerules>());

    shared.numberofplayers = 2;
    navigator.show<Playlevel>();
    navigator.close<Startplay2>();
    active<Playlevel>();
    EXPECT_EQ(tabStops(), (QStringList{"Label8_0", "Label3_0", "Label7_0", "Label7_1", "Label7_2", "Label9_0",
                                       "Label9_1", "Label9_2"}));

    navigator.show<fan1>();
    navigator.close<Playlevel>();
    active<fan1>();
    EXPECT_EQ(tabStops(), (QStringList{"Label5", "Label1_1", "Label3_0", "Label3_1", "Check3"}));
    EXPECT_EQ(tabStops(Qt::ShiftModifier), (QStringList{"Label5", "Check3", "Label3_1", "Label3_0", "Label1_1"}));
}

TEST_F(KeyboardPlay, SpaceAndEnterActLikeClicksOnButtonsAndTickBoxes)
{
    shared.soundon = 1;
    navigator.show<Grey>();
    navigator.show<Startplay2>();
    Startplay2& options = active<Startplay2>();
    press(Qt::Key_Tab); // "Play Sound"
    ASSERT_EQ(focused(), "Check1");
    const int clicks = played(sounds::click1);
    press(Qt::Key_Space);
    EXPECT_FALSE(control<QCheckBox>(&options, "Check1").isChecked());
    press(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_TRUE(control<QCheckBox>(&options, "Check1").isChecked());
    EXPECT_EQ(played(sounds::click1), clicks + 2);

    while (focused() != "Label1_2") {
        press(Qt::Key_Tab);
    }
    press(Qt::Key_Space); // three players
    EXPECT_EQ(shared.numberofplayers, 3);
    Playlevel& levels = active<Playlevel>();
    press(Qt::Key_Tab, Qt::ShiftModifier); // from OK back over Green's Level 3 to Level 2
    press(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), "Label10_1");
    press(Qt::Key_Return);
    EXPECT_EQ(control<QLabel>(&levels, "Label10_1").text(), "X");
    EXPECT_EQ(shared.playerlevel[3], 2);
}

TEST_F(KeyboardPlay, FocusMarksShowOnlyWhileTheKeyboardIsInUse)
{
    navigator.show<Titlefrm>();
    Titlefrm& title = active<Titlefrm>();
    QWidget& ok = control(&title, "Label5");
    ASSERT_TRUE(ok.hasFocus());
    EXPECT_FALSE(showsFocusMark(ok)); // the screen opens as designed
    const QImage unmarked = ok.grab().toImage();
    press(Qt::Key_Tab);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_TRUE(showsFocusMark(ok));
    const QImage marked = ok.grab().toImage();
    EXPECT_EQ(marked.pixelColor(2, ok.height() / 2), QColor(255, 255, 0)); // a frame in the text colour
    EXPECT_NE(marked, unmarked);
    press(Qt::Key_Return); // the next screen, opened from the keyboard, shows its mark at once
    Startplay2& options = active<Startplay2>();
    EXPECT_TRUE(showsFocusMark(control(&options, "Label6")));
    QTest::mousePress(&control(&options, "Label4"), Qt::LeftButton);
    EXPECT_FALSE(showsFocusMark(control(&options, "Label6")));
}

TEST_F(KeyboardPlay, TheFocusSquareMovesByArrowsAndTypedNumbers)
{
    fan1& game = startGame();
    press(Qt::Key_Down); // an arrow anywhere brings the focus to the board
    EXPECT_EQ(focused(), "Label1_1");
    press(Qt::Key_Left); // the edges hold it
    press(Qt::Key_Up);
    EXPECT_EQ(focused(), "Label1_1");
    for (int i = 0; i < 12; ++i) {
        press(Qt::Key_Right);
    }
    EXPECT_EQ(focused(), "Label1_10");
    press(Qt::Key_Down);
    EXPECT_EQ(focused(), "Label1_20");
    const QWidget& frame = control(&game, "FocusSquare");
    EXPECT_TRUE(frame.geometry().contains(control(&game, "Shape1_20").geometry()));

    type("42");
    EXPECT_EQ(focused(), "Label1_42");
    type("8"); // no board number is 428: a new number starts
    EXPECT_EQ(focused(), "Label1_8");
    press(Qt::Key_Escape); // forgets the 8: the next digits make a number of their own
    type("100");
    EXPECT_EQ(focused(), "Label1_100");
    press(Qt::Key_Backspace);
    EXPECT_EQ(focused(), "Label1_10");
    press(Qt::Key_Tab); // leaving the board forgets the 10
    type("7");
    EXPECT_EQ(focused(), "Label1_7");
}

TEST_F(KeyboardPlay, KeysAreIgnoredWhereClicksAre)
{
    fan1& game = startGame();
    playTurn(game, "4"); // Blue places a counter on 4; the counter blinks
    ASSERT_TRUE(game.model().controls().timers[2].enabled);
    EXPECT_EQ(focused(), "Label1_4");
    type("6");
    press(Qt::Key_Return); // a second answer during the blink
    EXPECT_EQ(shared.boardowner[6], 0);
    EXPECT_FALSE(control(&game, "Label5").isEnabled());
    press(Qt::Key_Tab, Qt::ShiftModifier); // "Take a card" cannot be reached while disabled
    EXPECT_NE(focused(), "Label5");
    press(Qt::Key_Down); // back to the board
    EXPECT_EQ(focused(), "Label1_6");
    ASSERT_TRUE(QTest::qWaitFor([] { return focused() == "Label5"; }, 6000));
    EXPECT_EQ(shared.boardowner[4], 1);
    EXPECT_EQ(game.model().controls().Label2.caption, "Red to Play");
    EXPECT_EQ(tabStops(), (QStringList{"Label5", "Label1_6", "Label3_0", "Label3_1", "Check3"}));
}
