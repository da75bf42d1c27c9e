// The sound rule on every control of every screen: each one clicked, with sound on and
// with sound off, makes the sound sound-rule.txt gives it, or none.

#include "ScreenTest.h"

#include <map>

using namespace zorbitan;

namespace {
class SoundRule : public zorbitan::testing::ScreenTest {
protected:
    // A screen as a player finds it (see ScreenTest::meet), sound on or off.
    QWidget& open(const QString& screen, bool soundOn)
    {
        navigator.endProgram();
        shared = Module1{};
        shared.hidedesktop = 1;
        playersAtLevels({3, 3, 3, 3});
        QWidget& met = meet(screen);
        shared.soundon = soundOn ? 1 : 0;
        if (auto* playSound = met.findChild<QCheckBox*>(QStringLiteral("Check1"))) {
            playSound->setChecked(soundOn);
        }
        return met;
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
