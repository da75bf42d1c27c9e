// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's own start, as main() does it, reporting what the benchmarks measure:
//   title       says "painted" once the title screen is first painted, and ends
//   idle-title  waits on the title screen
//   idle-game   opens a new two-player game and waits for "Take a card"
//   turns       plays turn after turn
//   game-load   opens the level screen, clicks "OK" and prints the milliseconds until
//               the game screen's board is painted
// Nothing here changes how the game itself runs.

#include "Fonts.h"
#include "GameSession.h"
#include "Playlevel.h"
#include "ResizeMeasure.h"
#include "Titlefrm.h"
#include "fan1.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

using namespace zorbitan;

namespace {
// Calls back once, after the first paint of any part of a window of the given kind.
template <typename Screen> class FirstPaint : public QObject {
public:
    explicit FirstPaint(std::function<void()> then) : then_(std::move(then)) { qApp->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && then_ && widget != nullptr &&
            dynamic_cast<Screen*>(widget->window()) != nullptr) {
            QTimer::singleShot(0, this, std::exchange(then_, nullptr));
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> then_;
};

void say(const char* line)
{
    std::printf("%s\n", line);
    std::fflush(stdout);
}

// A left click in the middle of a control, as the mouse would make it.
void click(QWidget* screen, const char* name)
{
    auto* control = screen->findChild<QWidget*>(QString::fromLatin1(name));
    const QPointF centre = QRectF(control->rect()).center();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, centre, control->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(control, &event);
    }
}

fan1& openNewGame(ScreenNavigator& navigator)
{
    navigator.context().shared.numberofplayers = 2;
    Playlevel& levels = navigator.show<Playlevel>();
    click(&levels, "Label8_0");
    return *navigator.find<fan1>();
}

// Takes a card whenever it may, and answers it with its first answer.
void playTurns(fan1& game, Module1& shared)
{
    auto* turn = new QTimer(&game);
    QObject::connect(turn, &QTimer::timeout, &game, [&game, &shared] {
        auto* take = game.findChild<QWidget*>(QStringLiteral("Label5"));
        if (take->isEnabled()) {
            click(&game, "Label5");
        } else if (shared.answers[0] != "x") {
            click(&game, qPrintable(QStringLiteral("Label1_%1").arg(answerValue(shared.answers[0]))));
        }
    });
    turn->start(100);
}
} // namespace

int main(int argc, char* argv[])
{
    startReadingFonts();
    const char* mode = argc > 1 ? argv[1] : "title";
    QApplication app(argc, argv);
    prepareApplication();
    GameSession session(seededRandom(7), [] { QCoreApplication::quit(); });
    ScreenNavigator& navigator = session.navigator();
    std::unique_ptr<QObject> watch;

    if (std::strcmp(mode, "title") == 0) {
        watch = std::make_unique<FirstPaint<Titlefrm>>([] {
            say("painted");
            QCoreApplication::quit();
        });
        navigator.show<Titlefrm>();
    } else if (std::strcmp(mode, "idle-title") == 0) {
        navigator.show<Titlefrm>();
    } else if (std::strcmp(mode, "idle-game") == 0) {
        openNewGame(navigator);
    } else if (std::strcmp(mode, "turns") == 0) {
        playTurns(openNewGame(navigator), session.shared());
    } else if (std::strcmp(mode, "resize") == 0) {
        fan1& game = openNewGame(navigator);
        QTimer::singleShot(300, [&game, &navigator] {
            printResizeTime(game);
            navigator.context().scale = 1; // kept at the end: the next run's start is at the design's size
            QCoreApplication::quit();
        });
    } else if (std::strcmp(mode, "game-load") == 0) {
        navigator.context().shared.numberofplayers = 2;
        Playlevel& levels = navigator.show<Playlevel>();
        QTimer::singleShot(300, [&] {
            QElapsedTimer clock;
            clock.start();
            watch = std::make_unique<FirstPaint<fan1>>([clock] {
                std::printf("game-load %.2f ms\n", static_cast<double>(clock.nsecsElapsed()) / 1e6);
                std::fflush(stdout);
                QCoreApplication::quit();
            });
            click(&levels, "Label8_0");
        });
    }
    return QApplication::exec();
}
