#pragma once

#include "Fandlerules.h"
#include "Grey.h"
#include "Playlevel.h"
#include "SavedGame.h"
#include "ScreenNavigator.h"
#include "Startplay2.h"
#include "TestGame.h"
#include "Titlefrm.h"
#include "fan1.h"

#include <QtTest>
#include <QtWidgets>
#include <gtest/gtest.h>
#include <map>

namespace zorbitan::testing {

// Real screens, offscreen, in a working folder of their own that shares the built
// pictures and sounds; sounds are recorded, the end of the program is counted and the
// cards can be chosen.
class ScreenTest : public ::testing::Test {
protected:
    ScreenTest()
    {
        for (const char* data : {"Images", "counters", "wav"}) {
            QFile::link(QDir::current().absoluteFilePath(QString::fromLatin1(data)),
                        folder.filePath(QString::fromLatin1(data)));
        }
    }

    ~ScreenTest() override
    {
        navigator.endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <typename Widget = QWidget> Widget& control(const QWidget* screen, const char* name)
    {
        auto* widget = screen == nullptr ? nullptr : screen->findChild<Widget*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            throw std::runtime_error(std::string("no control ") + name);
        }
        return *widget;
    }
    template <typename Screen> Screen& open() { return *navigator.find<Screen>(); }
    template <typename Screen> bool isOpen() const { return navigator.find<Screen>() != nullptr; }

    // A left click in the middle of a control, or for a tick box on its box.
    static void click(QWidget& widget, QPoint at = QPoint())
    {
        QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, at.isNull() ? widget.rect().center() : at);
    }
    static constexpr QPoint onTheBox{8, 12};

    // What the game does in its own time; a busy machine only makes it slower.
    static bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 20000); }

    // "Take a card" once it may be taken, "a factor of 12" dealt to a Level 3 player, a
    // number clicked, and the counter's blink left to end.
    void takeCardAndAnswer(fan1& game, int number)
    {
        random.draw({{36, 60}});
        QWidget& button = control(&game, "Label5");
        ASSERT_TRUE(waitFor([&] { return button.isEnabled(); }));
        const int before = game.model().turnnumber();
        click(button);
        ASSERT_TRUE(waitFor([&] { return game.model().turnnumber() == before + 1; }));
        click(control(&game, qPrintable(QStringLiteral("Label1_%1").arg(number))));
        ASSERT_TRUE(waitFor([&] { return !game.model().controls().timers[2].enabled; }));
    }

    // A saved game of two players, Blue to play: Blue on 1 and 2, Red on 55, turn 5.
    QString saveAGame()
    {
        Module1 saved;
        saved.boardowner[1] = saved.boardowner[2] = 1;
        saved.boardowner[55] = 2;
        saved.numberofplayers = 2;
        saved.soundon = 1;
        const QString path = folder.filePath(QStringLiteral("lastgame.inf"));
        EXPECT_TRUE(saveGame(saved, 5, path));
        return path;
    }

    // A situation a player meets, as commands.txt names them: a screen as the game shows
    // it, over the backdrop while hidedesktop is 1; "restored", the saved game above
    // brought back; "card", restored with "a factor of 12" dealt; each "+N" then answers N.
    QWidget& meet(const QString& situation)
    {
        const QStringList steps = situation.split(QLatin1Char('+'));
        const QString& name = steps.front();
        if (shared.hidedesktop == 1 && QStringList{"Startplay2", "Fandlerules", "fan1"}.contains(name)) {
            navigator.show<Grey>();
        }
        const std::map<QString, std::function<QWidget*()>> screens{
            {"Titlefrm", [&] { return &navigator.show<Titlefrm>(); }},
            {"Startplay2", [&] { return &navigator.show<Startplay2>(); }},
            {"Fandlerules",
             [&]() -> QWidget* {
                 click(control(&navigator.show<Startplay2>(), "Label6"));
                 return &open<Fandlerules>();
             }},
            {"Playlevel", [&] { return &navigator.show<Playlevel>(); }},
            {"fan1", [&] { return &navigator.show<fan1>(); }}};
        if (screens.contains(name)) {
            return answered(*screens.at(name)(), steps);
        }
        saveAGame();
        click(control(&navigator.show<Titlefrm>(), "Label6")); // Restart Previous Game
        fan1& game = open<fan1>();
        if (name == QLatin1String("card")) {
            random.draw({{36, 60}});
            click(control(&game, "Label5"));
            EXPECT_TRUE(waitFor([&] { return shared.answers[0] != "x"; }));
        }
        return answered(game, steps);
    }
    QWidget& answered(QWidget& screen, const QStringList& steps)
    {
        for (const QString& number : steps.mid(1)) {
            takeCardAndAnswer(dynamic_cast<fan1&>(screen), number.toInt());
        }
        return screen;
    }

    void playersAtLevels(const std::vector<Integer>& levels) { seatPlayers(shared, levels); }

    QTemporaryDir folder;
    Module1 shared;
    std::vector<std::string> sounds;
    ScriptedRandom random{{}, seededRandom(3)};
    int programEnds = 0;
    ScreenNavigator navigator{{shared, [this](std::string_view name) { sounds.emplace_back(name); },
                               [this] { return random(); }, QDir(folder.path()), QDir(folder.path()),
                               [this] { ++programEnds; }}};
};

} // namespace zorbitan::testing
