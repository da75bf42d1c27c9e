// The sound rule on every control of every screen: each one clicked, with sound on and
// with sound off, makes the sound sound-rule.txt gives it, or none.

#include "Fandlerules.h"
#include "Playlevel.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"

#include <QCheckBox>
#include <QTextStream>
#include <map>

using namespace zorbitan;
using zorbitan::testing::ScreenTest;

namespace {
// (screen, control, sound on) -> the sound's name, "-" for none.
std::map<std::tuple<QString, QString, bool>, QString> soundRule()
{
    QFile file(QStringLiteral(SOUND_RULE));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    std::map<std::tuple<QString, QString, bool>, QString> rule;
    for (QTextStream in(&file); !in.atEnd();) {
        const QStringList cells = in.readLine().split(QLatin1Char('|'));
        if (cells.size() == 4 && !cells[0].startsWith(QLatin1Char('#'))) {
            rule[{cells[0].trimmed(), cells[1].trimmed(), true}] = cells[2].trimmed();
            rule[{cells[0].trimmed(), cells[1].trimmed(), false}] = cells[3].trimmed();
        }
    }
    return rule;
}

class SoundRule : public ScreenTest {
protected:
    // A screen as a player finds it, sound on or off; "card" is the game with a card dealt.
    QWidget& open(const QString& screen, bool soundOn)
    {
        navigator.endProgram();
        shared = Module1{};
        shared.soundon = soundOn ? 1 : 0;
        shared.hidedesktop = 1;
        playersAtLevels({3, 3, 3, 3});
        if (screen == QLatin1String("Titlefrm")) {
            return navigator.show<Titlefrm>();
        }
        if (screen == QLatin1String("Startplay2")) {
            auto& options = navigator.show<Startplay2>();
            control<QCheckBox>(&options, "Check1").setChecked(soundOn);
            return options;
        }
        if (screen == QLatin1String("Fandlerules")) {
            return navigator.show<Fandlerules>();
        }
        if (screen == QLatin1String("Playlevel")) {
            return navigator.show<Playlevel>();
        }
        if (screen == QLatin1String("fan1")) {
            return navigator.show<fan1>();
        }
        saveAGame();
        shared.soundon = 1;
        click(control(&navigator.show<Titlefrm>(), "Label6")); // Restart Previous Game
        fan1& game = ScreenTest::open<fan1>();
        random.next.push_back(zorbitan::testing::TestGame::fractionFor(37 - 1, 60)); // a factor of 12
        click(control(&game, "Label5"));
        EXPECT_TRUE(QTest::qWaitFor([&] { return shared.answers[0] != "x"; }, 2000));
        shared.soundon = soundOn ? 1 : 0;
        return game;
    }
};
} // namespace

TEST_F(SoundRule, EveryControlOfEveryScreenSoundsAsTheRuleSays)
{
    const auto rule = soundRule();
    QStringList wrong;
    for (const bool soundOn : {true, false}) {
        for (const QString screen : {"Titlefrm", "Startplay2", "Fandlerules", "Playlevel", "fan1", "card"}) {
            // Every control shown; with a card on the table, the numbers and counters listed.
            QStringList controls;
            for (const auto& [line, sound] : rule) {
                controls << (std::get<0>(line) == screen && screen == QLatin1String("card") ? std::get<1>(line) : "");
            }
            for (const QWidget* widget : open(screen, soundOn).findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                controls << (widget->isVisible() && screen != QLatin1String("card") ? widget->objectName() : "");
            }
            controls.removeAll(QString());
            controls.removeDuplicates();
            for (const QString& name : controls) {
                const auto listed = rule.find({screen, name, soundOn});
                const QString expected = listed != rule.end() ? listed->second : QStringLiteral("-");
                QWidget& widget = control(&open(screen, soundOn), qPrintable(name));
                sounds.clear();
                click(widget, qobject_cast<QCheckBox*>(&widget) != nullptr ? onTheBox : QPoint());
                const QString heard = sounds.empty()
                                          ? QStringLiteral("-")
                                          : QString::fromStdString(sounds.front()).section('\\', 1).section('.', 0, 0);
                if (heard != expected || sounds.size() > 1) {
                    wrong << QStringLiteral("%1 %2, sound %3: heard %4 (%5 sounds), not %6")
                                 .arg(screen, name, soundOn ? "on" : "off", heard)
                                 .arg(sounds.size())
                                 .arg(expected);
                }
            }
        }
    }
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char('\n')).toStdString();
}
