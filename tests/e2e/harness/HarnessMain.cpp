// The whole program in a real window, played by a script instead of children: the same
// session as the game's own main(), with every card the Level 3 card "a factor of 12",
// and real clicks on the real screens. It plays a whole game to Blue's win, leaves it,
// plays two cards of a second game, leaves that one too (saving it) and ends the program.
// Every screen it meets must carry the game's icon.
// It prints what it did and ends with 0, or names the step that failed and ends with 1.

#include "GameSession.h"
#include "Playlevel.h"
#include "Startplay2.h"
#include "Titlefrm.h"
#include "fan1.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <stdexcept>

using namespace zorbitan;

namespace {
constexpr double factorsOfTwelve = (37 - 0.5) / 60.0;

class Harness {
public:
    explicit Harness(GameSession& session) : session_(session) {}

    void run()
    {
        step("title");
        waitFor([&] { return screen<Titlefrm>() != nullptr; });
        click<Titlefrm>("Label6"); // Restart Previous Game
        if (screen<fan1>() != nullptr) {
            report("a saved game came back");
            click<fan1>("Label3_1"); // New Game, which saves nothing
        } else {
            report("no saved game to bring back");
            click<Titlefrm>("Label5");
        }
        startTwoPlayerGame();
        step("a whole game");
        while (game().model().winner() == 0) {
            playOneTurn();
        }
        report(game().model().controls().Label2.caption.c_str());
        click<fan1>("Label3_0"); // Exit: a won game is not saved
        step("a second game, left after two cards");
        click<Titlefrm>("Label5");
        startTwoPlayerGame();
        playOneTurn();
        playOneTurn();
        click<fan1>("Label3_0");
        step("the end");
        click<Titlefrm>("Label7");
    }

private:
    void startTwoPlayerGame()
    {
        click<Startplay2>("Label1_1");
        click<Playlevel>("Label8_0");
        waitFor([&] { return screen<fan1>() != nullptr; });
    }

    // Blue completes 1-2-3 with the factors of 12; Red answers 12, away from Blue's line.
    void playOneTurn()
    {
        waitFor([&] { return control<fan1, QWidget>("Label5").isEnabled(); });
        const bool blue = (game().model().turnnumber() + 1) % 2 == 0;
        click<fan1>("Label5");
        waitFor([&] { return game().model().controls().Label4.caption == "a factor of 12"; });
        int number = 12;
        if (blue) {
            number = 1;
            while (session_.shared().boardowner[number] == 1) {
                ++number;
            }
        }
        click<fan1>(qPrintable(QStringLiteral("Label1_%1").arg(number)));
        waitFor([&] { return game().model().winner() != 0 || !game().model().controls().timers[2].enabled; });
    }

    template <typename Screen> Screen* screen() { return session_.navigator().find<Screen>(); }

    fan1& game() { return *screen<fan1>(); }

    template <typename Screen, typename Widget> Widget& control(const char* name)
    {
        waitFor([&] { return screen<Screen>() != nullptr; });
        if (!QTest::qWaitFor([&] { return !screen<Screen>()->windowIcon().isNull(); }, 10000)) {
            throw std::runtime_error("a screen without the game's icon");
        }
        auto* widget = screen<Screen>()->template findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            throw std::runtime_error(std::string("no control ") + name);
        }
        return *widget;
    }

    template <typename Screen> void click(const char* name)
    {
        QWidget& widget = control<Screen, QWidget>(name);
        QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, widget.rect().center());
    }

    template <typename Condition> void waitFor(Condition condition)
    {
        if (!QTest::qWaitFor(condition, 10000)) {
            throw std::runtime_error("timed out");
        }
    }

    void step(const char* name)
    {
        step_ = name;
        report(name);
    }

    static void report(const char* what) { std::printf("harness: %s\n", what); }

public:
    const char* currentStep() const { return step_; }

private:
    GameSession& session_;
    const char* step_ = "start";
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    prepareApplication();
    bool ended = false;
    GameSession session([] { return factorsOfTwelve; }, [&ended] { ended = true; });
    session.navigator().show<Titlefrm>();
    Harness harness(session);
    int result = 0;
    QTimer::singleShot(0, [&] {
        try {
            harness.run();
            if (!ended) {
                throw std::runtime_error("Exit on the title did not end the program");
            }
            std::printf("harness: PASSED\n");
        } catch (const std::exception& failure) {
            std::printf("harness: FAILED at %s: %s\n", harness.currentStep(), failure.what());
            result = 1;
        }
        QCoreApplication::exit(result);
    });
    QApplication::exec();
    return result;
}
