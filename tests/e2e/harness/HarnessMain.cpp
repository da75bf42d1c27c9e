// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The whole program in real windows, clicked through the X server (xdotool), or inside the
// program on a Wayland compositor (--compositor), where synthetic X input may fail.
// Usage: zorbitan-harness play N | heard | large  [--windows] [--compositor]
//   play N  a saved game brought back if any, then two games of N right answers (or
//           ZORBITAN_ANSWERS) that must deal differently; the first switches the backdrop.
//   heard   one player's game, each sound apart from the next, for a recording.
//   large   the title maximised; twice the game full screen by F11, won by mouse, then keys, F11 again.
// --windows finds each screen in a screenshot of the display (ZORBITAN_SCREENSHOTS).
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

#include <QtTest>
#include <QtWidgets>
#include <cstdio>
#include <stdexcept>

using namespace zorbitan;

namespace {
// Ends the run with the reason unless what is required holds.
void require(bool holds, const QString& otherwise)
{
    if (!holds) {
        throw std::runtime_error(otherwise.toStdString());
    }
}

void say(const QString& line)
{
    std::printf("harness: %s\n", qPrintable(line));
    std::fflush(stdout);
}

// The run's whole time (ZORBITAN_TEST_SECONDS, 480 unless set): no single wait has a limit
// of its own that a busy machine could exceed.
QDeadlineTimer runEnds;

int remaining() { return static_cast<int>(std::max<qint64>(runEnds.remainingTime(), 0)); }

// Waits for what the game does in its own time; a busy machine only makes it slower.
void waitFor(const std::function<bool()>& condition, const QString& what)
{
    require(QTest::qWaitFor(condition, remaining()), QStringLiteral("timed out waiting for ") + what);
}

// Runs a helper program to its end while the game goes on; true when it succeeded.
bool run(const QString& program, const QStringList& arguments, const QString& folder = {})
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.start(program, arguments);
    waitFor([&] { return process.state() == QProcess::NotRunning; }, program);
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Where a grabbed window stands whole in a screenshot, if it does: alike at a few points, then
// at all. Words large enough to be drawn as outlines may be shaded a little apart on the display.
std::optional<QPoint> findIn(const QImage& shot, const QImage& window)
{
    const auto alike = [&](int x, int y, QSize step) {
        for (int v = 0; v < window.height(); v += step.height()) {
            for (int u = 0; u < window.width(); u += step.width()) {
                const QRgb a = shot.pixel(x + u, y + v);
                const QRgb b = window.pixel(u, v);
                if (std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)) >
                    96) {
                    return false;
                }
            }
        }
        return true;
    };
    for (int y = 0; y + window.height() <= shot.height(); ++y) {
        for (int x = 0; x + window.width() <= shot.width(); ++x) {
            if (alike(x, y, window.size() / 8 + QSize(1, 1)) && alike(x, y, {1, 1})) {
                return QPoint(x, y);
            }
        }
    }
    return std::nullopt;
}

class Harness : public QObject {
public:
    Harness(GameSession& session, bool checkWindows, bool compositor)
        : session_(session), checkWindows_(checkWindows || compositor), compositor_(compositor)
    {
        qApp->installEventFilter(this);
    }

    void play(int answers)
    {
        click(screen<Titlefrm>(), "Label6"); // Restart Previous Game
        const bool cameBack = find<fan1>() != nullptr;
        say(cameBack ? QStringLiteral("a saved game came back") : QStringLiteral("no saved game to bring back"));
        cameBack ? click(screen<fan1>(), "Label3_1") : click(screen<Titlefrm>(), "Label5");
        QStringList deals[2];
        for (int g = 0; g < 2; ++g) {
            fan1& game = startGame(3);
            for (int i = g == 0 ? 2 : 0; i > 0; --i) {
                click(game, "Check3", {8, 12});
                checkWindow(game);
            }
            for (int i = g * answers; deals[g].size() < answers && game.model().winner() == 0; ++i) {
                // Each click falls on a different part of its square: a corner, an edge, the middle.
                deals[g] << answer(game, -1, QPoint(2 + (i % 3) * 18, 2 + (i / 3 % 3) * 18));
            }
            say(QStringLiteral("cards dealt: ") + deals[g].mid(0, 3).join(QStringLiteral(" | ")));
            click(game, g == 1 ? "Label3_0" : "Label3_1"); // Exit, or New Game
        }
        require(deals[0].mid(0, 3) != deals[1].mid(0, 3), QStringLiteral("two games dealt the same cards"));
        click(screen<Titlefrm>(), "Label7");
    }

    void heard()
    {
        pause_ = 300; // each click's sound stands apart from the next one's
        click(screen<Titlefrm>(), "Label5");
        click(screen<Startplay2>(), "Check1", {8, 12});
        click(screen<Startplay2>(), "Check1", {8, 12});
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

    void large()
    {
        Titlefrm& title = screen<Titlefrm>();
        fillDisplay(title, Qt::WindowMaximized, [&] { title.showMaximized(); }); // asks the window manager
        click(title, "Label5");
        for (const bool byKeys : {false, true}) {
            fan1& game = startGame(1);
            const QRect normal = game.geometry();
            fillDisplay(game, Qt::WindowFullScreen, [] { press({"F11"}); });
            for (const int number : {1, 2, 3}) { // in a row: Blue wins
                answer(game, number, {-1, -1}, byKeys);
            }
            waitFor([&] { return !game.model().controls().timers[3].enabled; }, QStringLiteral("the win to end"));
            require(game.findChild<QLabel*>("Label2")->text() == "BLUE HAS WON!", "Blue has not won");
            checkWindow(game); // the won game on the display
            press({"F11"});
            waitFor([&] { return !game.isFullScreen() && game.geometry() == normal; }, "F11 to put the window back");
            checkWindow(game);
            click(game, byKeys ? "Label3_0" : "Label3_1"); // Exit, or New Game
        }
        click(screen<Titlefrm>(), "Label7");
    }

protected:
    // Counts the mouse releases the program receives: a click is over when it has one.
    bool eventFilter(QObject* /*watched*/, QEvent* event) override
    {
        releases_ += event->type() == QEvent::MouseButtonRelease ? 1 : 0;
        return false;
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

    // The screen seen whole, its frame in the middle; where the window manager keeps its frame
    // to itself (weston's), off it by up to a title bar; on Wayland, where the desktop puts it.
    void checkWindow(QWidget& window)
    {
        say(window.objectName());
        if (!checkWindows_) {
            return;
        }
        // Shots of the display until it has drawn the window whole, in its place, with the
        // backdrop behind it; the last one is kept.
        QString amiss;
        const bool drawn = QTest::qWaitFor([&] { return (amiss = amissOnDisplay(window)).isEmpty(); }, remaining());
        const QString shots = qEnvironmentVariable("ZORBITAN_SCREENSHOTS", QCoreApplication::applicationDirPath() +
                                                                               QStringLiteral("/../screenshots"));
        QDir().mkpath(shots);
        lastShot_.save(QStringLiteral("%1/display-%2-%3.png").arg(shots).arg(++shots_).arg(window.objectName()));
        require(drawn, amiss);
        const QStringList faces = QFontDatabase::families();
        for (const QLabel* label : window.findChildren<QLabel*>()) { // the game's faces are ready
            require(label->text().isEmpty() || faces.contains(label->font().family()),
                    label->objectName() + QStringLiteral(" cannot be drawn in ") + label->font().family());
        }
        const QString title = window.objectName() == QLatin1String("fan1") ? QStringLiteral("Zorbitan") : " ";
        require(!window.isWindow() || window.windowTitle() == title,
                window.objectName() + QStringLiteral(" has the title ") + window.windowTitle());
        const Grey* backdrop = find<Grey>();
        const QString inTaskbar = QStringLiteral("xprop -id %1 _NET_WM_STATE | grep -q 'SKIP_TASKBAR.*SKIP_PAGER'");
        require(backdrop == nullptr || backdropHoldsScreens() || run("sh", {"-c", inTaskbar.arg(backdrop->winId())}),
                QStringLiteral("the backdrop is in the task bar"));
    }

    // What a shot of the whole display shows amiss with the window, if anything.
    QString amissOnDisplay(QWidget& window)
    {
        const QTemporaryDir folder;
        lastShot_ = QGuiApplication::primaryScreen()->grabWindow(0).toImage();
        if (compositor_ && run(QStringLiteral("weston-screenshooter"), {}, folder.path())) {
            lastShot_ = QImage(folder.filePath(QDir(folder.path()).entryList({QStringLiteral("*.png")}).value(0)));
        }
        lastShot_ = lastShot_.convertToFormat(QImage::Format_RGB32);
        const QImage seen = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const std::optional<QPoint> at = findIn(lastShot_, seen);
        if (!at) {
            return window.objectName() + QStringLiteral(" cannot be seen whole on the display");
        }
        const bool xcb = QGuiApplication::platformName() == QLatin1String("xcb");
        const QMargins frame =
            window.isFullScreen() || !window.isWindow() ? QMargins() : window.windowHandle()->frameMargins();
        const QRect framed = QRect(*at, seen.size()).marginsAdded(frame);
        const QPoint off = framed.center() - lastShot_.rect().center();
        const int allowed = window.isWindow() && frame.isNull() && compositor_ && xcb ? 32 : 2;
        const QString place =
            QStringLiteral("%1 seen framed at %2,%3").arg(window.objectName()).arg(framed.x()).arg(framed.y());
        if (!(!xcb && window.isWindow()) && (std::abs(off.x()) > allowed || std::abs(off.y()) > allowed)) {
            return place + QStringLiteral(", not in the middle of the display");
        }
        if (find<Grey>() != nullptr && !framed.contains(0, 0) && lastShot_.pixelColor(0, 0) != QColor(49, 135, 215)) {
            return QStringLiteral("the backdrop is not behind ") + window.objectName();
        }
        say(place);
        return {};
    }

    // A left click as the mouse makes it, over once the program has had the release; on a
    // compositor, delivered inside the program.
    void click(QWidget& screen, const char* name, QPoint at = {-1, -1})
    {
        auto* widget = screen.findChild<QWidget*>(QString::fromLatin1(name));
        require(widget != nullptr, QStringLiteral("no control ") + QString::fromLatin1(name));
        const QPoint point = at.x() < 0 ? widget->rect().center() : at;
        const QPoint global = widget->mapToGlobal(point);
        const int before = releases_;
        if (compositor_) {
            QTest::mousePress(widget, Qt::LeftButton, {}, point);
            QTest::qWait(80);
            QTest::mouseRelease(widget, Qt::LeftButton, {}, point);
        } else {
            require(run("xdotool", {"mousemove", QString::number(global.x()), QString::number(global.y()), "mousedown",
                                    "1", "sleep", "0.08", "mouseup", "1"}),
                    QStringLiteral("xdotool could not click"));
        }
        waitFor([&] { return releases_ > before; }, QStringLiteral("the click to arrive"));
        QTest::qWait(pause_);
    }

    // Keys pressed through the X server as a player's keyboard sends them; what they do is waited for.
    static void press(const QStringList& keys) { require(run("xdotool", QStringList{"key"} + keys), "no keys"); }

    // From the options screen, through the rules and the levels, to a new game.
    fan1& startGame(int players)
    {
        click(screen<Startplay2>(), "Label6");
        click(screen<Fandlerules>(), "Label3_0");
        click(screen<Startplay2>(), qPrintable(QStringLiteral("Label1_%1").arg(players - 1)));
        click(screen<Playlevel>(), "Label8_0");
        return screen<fan1>();
    }

    // Takes a card and answers with a number (-1: the card's smallest answer), by a click on its square at
    // the point given or by keys (Return, its digits, Return); a right one places its counter. The card's words.
    QString answer(fan1& game, int number, QPoint within = {20, 20}, bool byKeys = false)
    {
        waitFor([&] { return game.model().controls().Label5.enabled; }, QStringLiteral("\"Take a card\""));
        const int turn = game.model().turnnumber();
        byKeys ? press({"Return"}) : click(game, "Label5");
        waitFor([&] { return game.model().turnnumber() == turn + 1; }, QStringLiteral("the card"));
        show(game, {"Label4"});
        const Label& card = game.model().controls().Label4;
        const std::set<int> right = zorbitan::testing::answersTo(card.caption, card.numbers);
        number = number < 0 ? *right.begin() : number;
        const unsigned blinks = game.model().controls().timers[2].starts;
        byKeys ? press(QString::number(number).split(QString(), Qt::SkipEmptyParts) << "Return")
               : click(game, qPrintable(QStringLiteral("Shape1_%1").arg(number)), within);
        waitFor([&] { return !byKeys || game.model().controls().timers[2].starts != blinks; }, "the keys' answer");
        const auto* counter = game.findChild<QLabel*>(QStringLiteral("Image1_%1").arg(number));
        const bool placed = session_.shared().placednumber == number && !counter->pixmap().isNull();
        require(game.model().controls().timers[2].starts != blinks && (placed || !right.contains(number)),
                QStringLiteral("%1 was not answered as it should be").arg(number));
        waitFor([&] { return !game.model().controls().timers[2].enabled; }, QStringLiteral("the blink"));
        return game.findChild<QLabel*>(QStringLiteral("Label4"))->text();
    }

    // The screen made to fill the display's width and height (below the window manager's title
    // bar when maximised), then seen there whole: its drawing as before, as large as the window
    // holds it, in the middle, the margins in the screen's colour.
    void fillDisplay(QWidget& window, Qt::WindowState state, const std::function<void()>& ask)
    {
        const QImage before = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRect display = window.screen()->geometry();
        waitFor([&] { return window.isActiveWindow(); }, window.objectName() + " to have the keyboard");
        ask();
        const auto fills = [&] { return window.geometry() == display.adjusted(0, window.geometry().y(), 0, 0); };
        waitFor([&] { return window.windowState() == state && fills(); }, window.objectName() + " to fill the display");
        checkWindow(window);
        const QImage after = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QColor colour = window.palette().color(QPalette::Window);
        const double scale = std::min(1.0 * after.width() / before.width(), 1.0 * after.height() / before.height());
        const auto ink = [&](const QImage& image) { // where it is not of the screen's colour
            return QRegion(QBitmap::fromImage(image.createMaskFromColor(colour.rgb()))).boundingRect();
        };
        const QRectF was = ink(before);
        const QPointF margin =
            QPointF(after.width() - before.width() * scale, after.height() - before.height() * scale) / 2;
        const QRect expected = QRectF(margin + was.topLeft() * scale, was.size() * scale).toRect();
        const QRect seen = ink(after);
        QString drawn;
        QDebug(&drawn).nospace().noquote() << window.objectName() << " drawn over " << seen << " in " << after.size()
                                           << ", meant over " << expected << " (" << scale << " times as large)";
        const int allowed = 2 + static_cast<int>(4 * scale); // words' ink grows not quite with their face
        require((seen.topLeft() - expected.topLeft()).manhattanLength() <= allowed &&
                    (seen.bottomRight() - expected.bottomRight()).manhattanLength() <= allowed,
                drawn);
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
    int releases_ = 0;
    int shots_ = 0;
    const QWidget* checked_ = nullptr;
    QImage lastShot_;
    int pause_ = 0; // after each click, in milliseconds
};
} // namespace

int main(int argc, char* argv[])
{
    std::vector<char*> platformArguments = argumentsChoosingPlatform(argc, argv);
    int count = static_cast<int>(platformArguments.size()) - 1;
    QApplication app(count, platformArguments.data());
    const int seconds = qEnvironmentVariableIntValue("ZORBITAN_TEST_SECONDS");
    runEnds.setRemainingTime(1000LL * (seconds > 0 ? seconds : 480));
    prepareApplication();
    const QStringList arguments = QCoreApplication::arguments();
    const bool play = arguments.value(1) == QLatin1String("play");
    constexpr double factorsOfTwelve = (37 - 0.5) / 60.0; // every card "a factor of 12"
    bool ended = false;
    GameSession session(
        play ? randomFromTheTimeOfDay() : [] { return factorsOfTwelve; }, [&ended] { ended = true; });
    session.navigator().show<Titlefrm>();
    say(QStringLiteral("platform ") + QGuiApplication::platformName());
    Harness harness(session, arguments.contains(QStringLiteral("--windows")),
                    arguments.contains(QStringLiteral("--compositor")));
    int result = 0;
    QTimer::singleShot(0, [&] {
        try {
            const int answers = qEnvironmentVariableIntValue("ZORBITAN_ANSWERS");
            arguments.value(1) == QLatin1String("large") ? harness.large()
            : play ? harness.play(answers > 0 ? answers : arguments.value(2).toInt())
                   : harness.heard();
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
