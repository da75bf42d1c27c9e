// The whole program in a real X window, played by a script instead of children: the
// session main() builds, driven by clicks that travel through the X server as a mouse's
// do (xdotool). Usage: zorbitan-harness SCENARIO [COUNT] [--windows]
//   keep       brings back a saved game if there is one, plays two cards of a new
//              two-player game, leaves it with "Exit" (which keeps it) and ends the
//              program from the title screen.
//   play N     two games, "New Game" between them, of N answers each (or as many as
//              ZORBITAN_ANSWERS says, for the long run of `make soak`), with the cards
//              drawn as main() draws them: every answer click, wherever it falls on its
//              square, must reach that number and be answered, and the two games must
//              deal different cards.
//   heard on|off   one player, the sound events one after another with silence between
//              them, for a recording to be compared with; "off" unticks "Play Sound".
// With --windows every screen met is checked by check-window.sh: its size, its frame
// centred, its title, the backdrop behind it. Every screen must carry the game's icon.
// It prints what it does, and ends with 0, or names the step that failed and ends with 1.

#include "Fandlerules.h"
#include "GameSession.h"
#include "Grey.h"
#include "Playlevel.h"
#include "Startplay2.h"
#include "Titlefrm.h"
#include "fan1.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

using namespace zorbitan;

namespace {
constexpr double factorsOfTwelve = (37 - 0.5) / 60.0; // every card "a factor of 12"

[[noreturn]] void fail(const QString& why) { throw std::runtime_error(why.toStdString()); }

void say(const QString& line)
{
    std::printf("harness: %s\n", qPrintable(line));
    std::fflush(stdout);
}

void waitFor(const std::function<bool()>& condition, const QString& what, int milliseconds = 10000)
{
    if (!QTest::qWaitFor(condition, milliseconds)) {
        fail(QStringLiteral("timed out waiting for ") + what);
    }
}

// Runs a helper program to its end while the game goes on; true when it succeeded.
bool run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    waitFor([&] { return process.state() == QProcess::NotRunning; }, program, 20000);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// The widget each mouse release reached first.
class ReleaseWatcher : public QObject {
public:
    QString receiver;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease && receiver.isEmpty() && watched->isWidgetType()) {
            receiver = watched->objectName();
        }
        return false;
    }
};

class Harness {
public:
    Harness(GameSession& session, bool checkWindows) : session_(session), checkWindows_(checkWindows)
    {
        qApp->installEventFilter(&releases_);
    }

    void keep()
    {
        click(control(screen<Titlefrm>(), "Label6")); // Restart Previous Game
        if (find<fan1>() != nullptr) {
            say("a saved game came back");
            click(control(screen<fan1>(), "Label3_1")); // New Game, which keeps nothing
        } else {
            say("no saved game to bring back");
            click(control(screen<Titlefrm>(), "Label5"));
        }
        fan1& game = startGame(2);
        for (const int number : {1, 12}) {
            takeCard(game);
            answer(game, number);
        }
        click(control(game, "Label3_0"));
        click(control(screen<Titlefrm>(), "Label7")); // Exit ends the program
    }

    void play(int answers)
    {
        click(control(screen<Titlefrm>(), "Label5"));
        QList<QStringList> deals;
        int answered = 0;
        while (answered < 2 * answers) {
            fan1& game = startGame(3);
            QStringList& cards = deals.emplaceBack();
            while (cards.size() < answers && answered < 2 * answers && game.model().winner() == 0) {
                takeCard(game);
                cards << control<QLabel>(game, "Label4").text();
                // Right answers half the time, so counters are placed and taken; the
                // click falls on a different part of its square each time.
                const int i = answered++;
                const int right = answerValue(session_.shared().answers[0]);
                answer(game, i % 2 == 0 ? right : 1 + (i * 37) % 100, QPoint(2 + (i % 3) * 18, 2 + (i / 3 % 3) * 18));
            }
            say(QStringLiteral("cards dealt: ") + cards.mid(0, 3).join(QStringLiteral(" | ")));
            click(control(game, "Label3_1")); // New Game
        }
        say(QStringLiteral("%1 answer clicks, every one answered").arg(answered));
        if (deals[0].mid(0, 3) == deals[1].mid(0, 3)) {
            fail(QStringLiteral("two games dealt the same cards"));
        }
        click(control(screen<Startplay2>(), "Label3_0"));
        click(control(screen<Titlefrm>(), "Label7"));
    }

    void heard(bool soundOn)
    {
        pause_ = 300; // each click's sound stands apart from the next one's
        show(screen<Titlefrm>(), {"Label6", "Label5"});
        click(control(screen<Titlefrm>(), "Label5"));
        auto& sound = control<QCheckBox>(screen<Startplay2>(), "Check1");
        for (int i = soundOn ? 2 : 1; i > 0; --i) {
            click(sound, {8, 12});
        }
        fan1& game = startGame(1);
        for (const int number : {1, 50, 2, 3}) { // a right answer, a wrong one, then 2 and 3 win
            takeCard(game);
            answer(game, number);
        }
        waitFor([&] { return !game.model().controls().timers[3].enabled; }, QStringLiteral("the win to end"));
        show(game, {"Label2", "Label4"});
        QTest::qWait(1500);
        click(control(game, "Label3_0"));
        click(control(screen<Titlefrm>(), "Label7"));
    }

private:
    template <typename Screen> Screen* find() { return session_.navigator().find<Screen>(); }

    // The screen once it is up, checked the first time it is met.
    template <typename Screen> Screen& screen()
    {
        waitFor([&] { return find<Screen>() != nullptr && find<Screen>()->isVisible(); }, QStringLiteral("a screen"));
        Screen& open = *find<Screen>();
        waitFor([&] { return open.windowHandle()->isExposed() && !open.windowIcon().isNull(); },
                open.objectName() + QStringLiteral(" with the game's icon"));
        if (&open != checked_) {
            checked_ = &open;
            checkWindow(open);
        }
        return open;
    }

    void checkWindow(QWidget& window)
    {
        // The game screen and the rules have the standard size; the game screen is called
        // by the game's name and every other screen's title is blank.
        const bool game = dynamic_cast<fan1*>(&window) != nullptr;
        const bool large = game || dynamic_cast<Fandlerules*>(&window) != nullptr;
        const QString size = large ? QStringLiteral("798x598") : QStringLiteral("372x438");
        say(QStringLiteral("%1 at %2").arg(window.objectName(), size));
        QStringList arguments{QString::number(window.winId()), size,
                              game ? QStringLiteral("Zorbitan") : QStringLiteral(" ")};
        if (const Grey* backdrop = find<Grey>()) {
            arguments << QString::number(backdrop->winId());
        }
        if (checkWindows_ && !run(QStringLiteral(HARNESS_FOLDER "/check-window.sh"), arguments)) {
            fail(window.objectName() + QStringLiteral(" is not where it belongs"));
        }
    }

    template <typename Widget = QWidget> Widget& control(QWidget& screen, const char* name)
    {
        auto* widget = screen.findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            fail(QStringLiteral("no control ") + QString::fromLatin1(name));
        }
        return *widget;
    }

    // A left click as the mouse makes it: moved there, pressed, held a moment, released.
    void click(QWidget& widget, QPoint at = {-1, -1})
    {
        const QPoint point = widget.mapToGlobal(at.x() < 0 ? widget.rect().center() : at);
        releases_.receiver.clear();
        if (!run(QStringLiteral("xdotool"),
                 {QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y()),
                  QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("sleep"), QStringLiteral("0.08"),
                  QStringLiteral("mouseup"), QStringLiteral("1")})) {
            fail(QStringLiteral("xdotool could not click"));
        }
        waitFor([&] { return !releases_.receiver.isEmpty(); }, QStringLiteral("the click to arrive"));
        QTest::qWait(pause_);
    }

    // From the title or options screen to a new game of Level 3 players.
    fan1& startGame(int players)
    {
        QWidget& options = screen<Startplay2>();
        show(options, {"Label6", "Check1", "Label2_0"});
        click(control(options, "Label6")); // the rules, and back
        click(control(screen<Fandlerules>(), "Label3_0"));
        click(control(options, qPrintable(QStringLiteral("Label1_%1").arg(players - 1))));
        QWidget& levels = screen<Playlevel>();
        show(levels, {"Label2_0", "Label6_0"});
        click(control(levels, "Label8_0"));
        fan1& game = screen<fan1>();
        show(game, {"Label2", "Label5"});
        return game;
    }

    void takeCard(fan1& game)
    {
        QWidget& take = control(game, "Label5");
        waitFor([&] { return take.isEnabled(); }, QStringLiteral("\"Take a card\""));
        const int turn = game.model().turnnumber();
        click(take);
        waitFor([&] { return game.model().turnnumber() == turn + 1; }, QStringLiteral("the card"));
        show(game, {"Label4"});
    }

    // Clicks a number's square at the given point; the click must reach that number and
    // be answered, right or wrong.
    void answer(fan1& game, int number, QPoint within = {20, 20})
    {
        const unsigned answered = game.model().controls().timers[2].starts;
        click(control(game, qPrintable(QStringLiteral("Shape1_%1").arg(number))), within);
        const QString reached = releases_.receiver;
        if (!reached.endsWith(QStringLiteral("_%1").arg(number))) {
            fail(QStringLiteral("a click on %1 reached %2").arg(number).arg(reached));
        }
        waitFor([&] { return game.model().controls().timers[2].starts != answered; },
                QStringLiteral("the answer %1 to count").arg(number), 2000);
        waitFor([&] { return !game.model().controls().timers[2].enabled; }, QStringLiteral("the blink"));
    }

    // What the players read, for the languages to be checked.
    static void show(QWidget& screen, std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            auto* widget = screen.findChild<QWidget*>(QString::fromLatin1(name));
            const auto* label = qobject_cast<QLabel*>(widget);
            const auto* box = qobject_cast<QCheckBox*>(widget);
            const QString text = label != nullptr ? label->text() : box != nullptr ? box->text() : QString();
            say(QStringLiteral("text %1: %2").arg(QString::fromLatin1(name), text.simplified()));
        }
    }

    GameSession& session_;
    bool checkWindows_;
    ReleaseWatcher releases_;
    const QWidget* checked_ = nullptr;
    int pause_ = 0; // after each click, in milliseconds
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    const QStringList arguments = QCoreApplication::arguments();
    const QString scenario = arguments.value(1);
    bool ended = false;
    GameSession session(
        scenario == QLatin1String("play") ? randomFromTheTimeOfDay() : [] { return factorsOfTwelve; },
        [&ended] { ended = true; });
    session.navigator().show<Titlefrm>();
    Harness harness(session, arguments.contains(QStringLiteral("--windows")));
    int result = 0;
    QTimer::singleShot(0, [&] {
        try {
            if (scenario == QLatin1String("keep")) {
                harness.keep();
            } else if (scenario == QLatin1String("play")) {
                const int answers = qEnvironmentVariableIntValue("ZORBITAN_ANSWERS");
                harness.play(answers > 0 ? answers : arguments.value(2).toInt());
            } else if (scenario == QLatin1String("heard")) {
                harness.heard(arguments.value(2) != QLatin1String("off"));
            } else {
                fail(QStringLiteral("no scenario ") + scenario);
            }
            if (!ended) {
                fail(QStringLiteral("Exit on the title did not end the program"));
            }
            say(QStringLiteral("PASSED"));
        } catch (const std::exception& failure) {
            say(QStringLiteral("FAILED: ") + QString::fromStdString(failure.what()));
            result = 1;
        }
        QCoreApplication::exit(result);
    });
    QApplication::exec();
    return result;
}
