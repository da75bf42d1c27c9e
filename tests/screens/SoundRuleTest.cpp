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

namespace {
class SoundRule : public zorbitan::testing::ScreenTest {
protected:
    // A screen as a player finds it, sound on or off; "card": a game with a card dealt.
    QWidget& open(const QString& screen, bool soundOn)
    {
        navigator.endProgram();
        shared = Module1{};
        shared.soundon = soundOn ? 1 : 0;
        shared.hidedesktop = 1;
        playersAtLevels({3, 3, 3, 3});
        const std::map<QString, std::function<QWidget&()>> screens{
            {"Titlefrm", [&]() -> QWidget& { return navigator.show<Titlefrm>(); }},
            {"Fandlerules", [&]() -> QWidget& { return navigator.show<Fandlerules>(); }},
            {"Playlevel", [&]() -> QWidget& { return navigator.show<Playlevel>(); }},
            {"fan1", [&]() -> QWidget& { return navigator.show<fan1>(); }}};
        if (screen == QLatin1String("Startplay2")) {
            auto& options = navigator.show<Startplay2>();
            control<QCheckBox>(&options, "Check1").setChecked(soundOn);
            return options;
        }
        if (screen != QLatin1String("card")) {
            return screens.at(screen)();
        }
        saveAGame();
        click(control(&navigator.show<Titlefrm>(), "Label6")); // Restart Previous Game
        fan1& game = ScreenTest::open<fan1>();
        random.draw({{36, 60}}); // "a factor of 12"
        click(control(&game, "Label5"));
        EXPECT_TRUE(waitFor([&] { return shared.answers[0] != "x"; }));
        shared.soundon = soundOn ? 1 : 0;
        return game;
    }
};
} // namespace

TEST_F(SoundRule, EveryControlOfEveryScreenSoundsAsTheRuleSays)
{
    std::map<std::tuple<QString, QString, bool>, QString> rule; // (screen, control, sound on) -> sound
    QFile table(QStringLiteral(SOUND_RULE));
    ASSERT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text));
    for (QTextStream in(&table); !in.atEnd();) {
        const QStringList cells = in.readLine().split(QLatin1Char('|'));
        for (int on = 0; on < 2 && cells.size() == 4 && !cells[0].startsWith(QLatin1Char('#')); ++on) {
            rule[{cells[0].trimmed(), cells[1].trimmed(), on == 1}] = cells[3 - on].trimmed();
        }
    }
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
                QStringList heard;
                for (const std::string& sound : sounds) { // "wav\click.wav" heard as "click"
                    heard
                        << QString::fromStdString(sound).section(QLatin1Char('\\'), 1).section(QLatin1Char('.'), 0, 0);
                }
                if (heard.join(' ') != (expected == QLatin1String("-") ? QString() : expected)) {
                    wrong << QStringLiteral("%1 %2, sound %3: heard \"%4\", not %5")
                                 .arg(screen, name, soundOn ? "on" : "off", heard.join(' '), expected);
                }
            }
        }
    }
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char('\n')).toStdString();
}
