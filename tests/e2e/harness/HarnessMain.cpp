// The whole program in real windows, clicked through the X server (xdotool) as a mouse
// clicks. Usage: zorbitan-harness SCENARIO [COUNT] [--windows] [--compositor]
//   keep          brings back a saved game if any, plays two cards of a new game, leaves
//                 it with "Exit" (which keeps it) and ends the program from the title.
//   play N        games of N right answers (or ZORBITAN_ANSWERS), cards drawn as main()
//                 draws them: every click on a square must place its counter, and two
//                 games must deal differently.
//   heard on|off  the sound events of one player's game, apart, for a recording.
// --windows checks each screen's size, frame, title and backdrop (check-window.sh).
// --compositor plays on a Wayland compositor (weston, started with --debug): clicks are
// delivered inside the program, as synthetic X input may not be usable there, and each
// screen is found in the compositor's screenshots: seen whole, in front of the backdrop,
// and, where the game can place it, its frame in the middle of the display.
// It prints what the players read, then PASSED (0) or the step that FAILED (1).

#include "CardOracle.h"
#include "DisplayCheck.h"
#include "Fandlerules.h"
#include "GameSession.h"
#include "Grey.h"
#include "Playlevel.h"
#include "Startplay2.h"
#include "Titlefrm.h"
#include "WindowServices.h"
#include "fan1.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

using namespace zorbitan;

namespace {
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
bool run(const QString& program, const QStringList& arguments, const QString& folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    waitFor([&] { return process.state() == QProcess::NotRunning; }, program, 20000);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Where a grabbed window stands in a screenshot: the top left corner at which every one of
// its pixels is seen, or none.
std::optional<QPoint> findIn(const QImage& shot, const QImage& window)
{
    const int stepX = std::max(1, window.width() / 8);
    const int stepY = std::max(1, window.height() / 8);
    for (int y = 0; y + window.height() <= shot.height(); ++y) {
        for (int x = 0; x + window.width() <= shot.width(); ++x) {
            bool alike = true;
            for (int v = 1; alike && v < window.height(); v += stepY) {
                for (int u = 1; alike && u < window.width(); u += stepX) {
                    alike = shot.pixel(x + u, y + v) == window.pixel(u, v);
                }
            }
            if (alike && shot.copy(x, y, window.width(), window.height()) == window) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

// How many pixels of a window manager's grey frame lie next to a point, going one way.
int frameWidth(const QImage& shot, QPoint from, QPoint step)
{
    int width = 0;
    for (QPoint at = from; shot.rect().contains(at); at += step, ++width) {
        const QColor c = shot.pixelColor(at);
        if (std::abs(c.red() - c.green()) > 24 || std::abs(c.green() - c.blue()) > 24) {
            break;
        }
    }
    return width;
}

class Harness {
public:
    Harness(GameSession& session, bool checkWindows, bool compositor)
        : session_(session), checkWindows_(checkWindows), compositor_(compositor)
    {}

    void keep()
    {
        click(screen<Titlefrm>(), "Label6"); // Restart Previous Game
        const bool cameBack = QTest::qWaitFor([&] { return find<fan1>() != nullptr; }, 1000);
        say(cameBack ? QStringLiteral("a saved game came back") : QStringLiteral("no saved game to bring back"));
        cameBack ? click(screen<fan1>(), "Label3_1") : click(screen<Titlefrm>(), "Label5"); // New Game keeps nothing
        fan1& game = startGame(2);
        for (const int number : {1, 12}) {
            answer(game, number);
        }
        click(game, "Label3_0");
        click(screen<Titlefrm>(), "Label7"); // Exit ends the program
    }

    void play(int answers)
    {
        click(screen<Titlefrm>(), "Label5");
        QList<QStringList> deals;
        int answered = 0;
        while (answered < 2 * answers) {
            fan1& game = startGame(3);
            for (int i = deals.isEmpty() ? 2 : 0; i > 0; --i) { // the backdrop off, and on again
                click(game, "Check3", {8, 12});
                checkWindow(game);
            }
            QStringList& cards = deals.emplaceBack();
            while (cards.size() < answers && answered < 2 * answers && game.model().winner() == 0) {
                // Each click falls on a different part of its square: a corner, an edge, the middle.
                const int i = answered++;
                cards << answer(game, -1, QPoint(2 + (i % 3) * 18, 2 + (i / 3 % 3) * 18));
            }
            say(QStringLiteral("cards dealt: ") + cards.mid(0, 3).join(QStringLiteral(" | ")));
            click(game, "Label3_1"); // New Game
        }
        say(QStringLiteral("%1 answer clicks, every one placing its counter").arg(answered));
        if (deals[0].mid(0, 3) == deals[1].mid(0, 3)) {
            fail(QStringLiteral("two games dealt the same cards"));
        }
        click(screen<Startplay2>(), "Label3_0");
        click(screen<Titlefrm>(), "Label7");
    }

    void heard(bool soundOn)
    {
        pause_ = 300; // each click's sound stands apart from the next one's
        click(screen<Titlefrm>(), "Label5");
        for (int i = soundOn ? 2 : 1; i > 0; --i) {
            click(screen<Startplay2>(), "Check1", {8, 12});
        }
        fan1& game = startGame(1);
        for (const int number : {1, 50, 2, 3}) { // a right answer, a wrong one, then 2 and 3 win
            answer(game, number);
        }
        waitFor([&] { return !game.model().controls().timers[3].enabled; }, QStringLiteral("the win to end"));
        show(game, {"Label2"});
        QTest::qWait(1500);
        click(game, "Label3_0");
        click(screen<Titlefrm>(), "Label7");
    }

private:
    template <typename Screen> Screen* find() { return session_.navigator().find<Screen>(); }

    // The screen once it is up; its words shown and its window checked when first met.
    template <typename Screen> Screen& screen()
    {
        waitFor([&] { return find<Screen>() != nullptr && find<Screen>()->isVisible(); }, QStringLiteral("a screen"));
        Screen& open = *find<Screen>();
        waitFor([&] { return open.window()->windowHandle()->isExposed() && !open.windowIcon().isNull(); },
                open.objectName() + QStringLiteral(" with the game's icon"));
        if (&open != checked_) {
            checked_ = &open;
            checkWindow(open);
            show(open, {"Label6", "Label2_0", "Label2", "Label5"});
        }
        return open;
    }

    void checkWindow(QWidget& window)
    {
        say(window.objectName());
        if (compositor_) {
            checkOnCompositor(window);
            return;
        }
        QStringList arguments{window.objectName(), QString::number(window.winId())};
        if (const Grey* backdrop = find<Grey>()) {
            arguments << QString::number(backdrop->winId());
        }
        if (checkWindows_ && !run(QStringLiteral(HARNESS_FOLDER "/check-window.sh"), arguments)) {
            fail(window.objectName() + QStringLiteral(" is not where it belongs"));
        }
    }

    // The screen as the compositor shows it: seen whole, so nothing covers it; the backdrop
    // behind, when it is on; and the frame in the middle of the display where the game
    // places its windows (everywhere but a window of its own on a Wayland desktop).
    void checkOnCompositor(QWidget& window)
    {
        QTest::qWait(1500); // the compositor's next frame
        const QTemporaryDir folder;
        if (!run(QStringLiteral("weston-screenshooter"), {}, folder.path())) {
            fail(QStringLiteral("the compositor took no screenshot"));
        }
        const QString file = QDir(folder.path()).entryList({QStringLiteral("*.png")}).value(0);
        const QImage shot = QImage(folder.filePath(file)).convertToFormat(QImage::Format_RGB32);
        const QImage seen = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const std::optional<QPoint> at = findIn(shot, seen);
        shot.save(QStringLiteral("../screenshots/compositor-%1-%2.png").arg(++shots_).arg(window.objectName()));
        if (!at) {
            fail(window.objectName() + QStringLiteral(" cannot be seen whole on the display"));
        }
        const int left = frameWidth(shot, *at - QPoint(1, 0), {-1, 0});
        const int right = frameWidth(shot, *at + QPoint(seen.width(), 0), {1, 0});
        const int top = frameWidth(shot, *at + QPoint(seen.width() / 2, -1), {0, -1});
        const int bottom = frameWidth(shot, *at + QPoint(seen.width() / 2, seen.height()), {0, 1});
        const QRect frame(at->x() - left, at->y() - top, seen.width() + left + right, seen.height() + top + bottom);
        say(QStringLiteral("%1 seen with its frame at %2,%3 %4x%5")
                .arg(window.objectName())
                .arg(frame.x())
                .arg(frame.y())
                .arg(frame.width())
                .arg(frame.height()));
        // A window manager that keeps its frame to itself (weston's for X windows) puts the
        // frame where the game asked for its window: the frame may then lie off the middle
        // by half its own thickness.
        const QPoint offCentre = frame.center() - shot.rect().center();
        const bool placed = QGuiApplication::platformName() == QLatin1String("xcb") || !window.isWindow();
        if (placed &&
            (std::abs(offCentre.x()) > 2 + (left + right) / 2 || std::abs(offCentre.y()) > 2 + (top + bottom) / 2)) {
            fail(window.objectName() + QStringLiteral(" is not in the middle of the display"));
        }
        if (find<Grey>() != nullptr && shot.pixelColor(0, 0) != QColor(49, 135, 215)) {
            fail(QStringLiteral("the backdrop is not behind ") + window.objectName());
        }
    }

    // A left click as the mouse makes it: moved there, pressed, held a moment, released;
    // on a compositor, delivered inside the program.
    void click(QWidget& screen, const char* name, QPoint at = {-1, -1})
    {
        auto* widget = screen.findChild<QWidget*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            fail(QStringLiteral("no control ") + QString::fromLatin1(name));
        }
        if (compositor_) {
            const QPoint point = at.x() < 0 ? widget->rect().center() : at;
            QTest::mousePress(widget, Qt::LeftButton, {}, point);
            QTest::qWait(80);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
            QTest::qWait(pause_);
            return;
        }
        const QPoint point = widget->mapToGlobal(at.x() < 0 ? widget->rect().center() : at);
        const QStringList motion{QStringLiteral("mousemove"), QString::number(point.x()), QString::number(point.y())};
        if (!run(QStringLiteral("xdotool"), motion + QStringLiteral("mousedown 1 sleep 0.08 mouseup 1").split(' '))) {
            fail(QStringLiteral("xdotool could not click"));
        }
        QTest::qWait(pause_);
    }

    // From the options screen, through the rules and the levels, to a new game.
    fan1& startGame(int players)
    {
        click(screen<Startplay2>(), "Label6");
        click(screen<Fandlerules>(), "Label3_0");
        click(screen<Startplay2>(), qPrintable(QStringLiteral("Label1_%1").arg(players - 1)));
        click(screen<Playlevel>(), "Label8_0");
        return screen<fan1>();
    }

    // Takes a card, then clicks a number's square (for -1, the card's smallest answer as
    // its words give it) at the point given: the click must be answered, a right one on
    // that number. The card's words.
    QString answer(fan1& game, int number, QPoint within = {20, 20})
    {
        waitFor([&] { return game.model().controls().Label5.enabled; }, QStringLiteral("\"Take a card\""));
        const int turn = game.model().turnnumber();
        click(game, "Label5");
        waitFor([&] { return game.model().turnnumber() == turn + 1; }, QStringLiteral("the card"));
        show(game, {"Label4"});
        const Label& card = game.model().controls().Label4;
        const std::set<int> right = zorbitan::testing::answersTo(card.caption, card.numbers);
        number = number < 0 ? *right.begin() : number;
        const unsigned answered = game.model().controls().timers[2].starts;
        click(game, qPrintable(QStringLiteral("Shape1_%1").arg(number)), within);
        waitFor([&] { return game.model().controls().timers[2].starts != answered; }, QStringLiteral("the answer"),
                2000);
        const auto* counter = game.findChild<QLabel*>(QStringLiteral("Image1_%1").arg(number));
        if (right.contains(number) && (session_.shared().placednumber != number || counter->pixmap().isNull())) {
            fail(QStringLiteral("a click on %1 placed no counter there").arg(number)); // a picture, drawn if need be
        }
        waitFor([&] { return !game.model().controls().timers[2].enabled; }, QStringLiteral("the blink"));
        return game.findChild<QLabel*>(QStringLiteral("Label4"))->text();
    }

    // What the players read, for the languages to be checked.
    static void show(QWidget& screen, std::initializer_list<const char*> names)
    {
        for (const char* name : names) {
            if (const auto* label = screen.findChild<QLabel*>(QString::fromLatin1(name))) {
                say(QStringLiteral("text %1: %2").arg(QString::fromLatin1(name), label->text().simplified()));
            }
        }
    }

    GameSession& session_;
    bool checkWindows_;
    bool compositor_;
    int shots_ = 0;
    const QWidget* checked_ = nullptr;
    int pause_ = 0; // after each click, in milliseconds
};
} // namespace

int main(int argc, char* argv[])
{
    std::vector<char*> platformArguments = argumentsChoosingPlatform(argc, argv);
    int count = static_cast<int>(platformArguments.size()) - 1;
    QApplication app(count, platformArguments.data());
    prepareApplication();
    const QStringList arguments = QCoreApplication::arguments();
    const QString scenario = arguments.value(1);
    constexpr double factorsOfTwelve = (37 - 0.5) / 60.0; // every card "a factor of 12"
    bool ended = false;
    GameSession session(
        scenario == QLatin1String("play") ? randomFromTheTimeOfDay() : [] { return factorsOfTwelve; },
        [&ended] { ended = true; });
    session.navigator().show<Titlefrm>();
    say(QStringLiteral("platform ") + QGuiApplication::platformName());
    Harness harness(session, arguments.contains(QStringLiteral("--windows")),
                    arguments.contains(QStringLiteral("--compositor")));
    int result = 0;
    QTimer::singleShot(0, [&] {
        try {
            const int answers = qEnvironmentVariableIntValue("ZORBITAN_ANSWERS");
            if (scenario == QLatin1String("keep")) {
                harness.keep();
            } else if (scenario == QLatin1String("play")) {
                harness.play(answers > 0 ? answers : arguments.value(2).toInt());
            } else if (scenario == QLatin1String("heard")) {
                harness.heard(arguments.value(2) != QLatin1String("off"));
            } else {
                fail(QStringLiteral("no scenario ") + scenario);
            }
            waitFor([&] { return ended; }, QStringLiteral("Exit on the title to end the program"));
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
