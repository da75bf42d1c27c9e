// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What each command does, clicked as a player clicks it, as commands.txt gives it; the
// sound rule as sound-rule.txt gives it.

#include "LayoutCheck.h"
#include "Publisher.h"
#include "QtConversions.h"
#include "ScreenTest.h"
#include "widgets/Accessibility.h"

#include <map>

using namespace zorbitan;
using namespace zorbitan::testing;

namespace {
// Stands in for the desktop's browser: records the addresses the game asks to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public slots:
    void open(const QUrl& url) { opened.append(url); }

public:
    QList<QUrl> opened;
};

class Commands : public ScreenTest {
protected:
    // A left click in the middle of a control, or for a tick box on its box.
    static void click(QWidget& widget)
    {
        const bool box = qobject_cast<QCheckBox*>(&widget) != nullptr;
        QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, box ? QPoint(8, 12) : widget.rect().center());
    }

    // What the game does in its own time; a busy machine only makes it slower.
    static bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 20000); }

    // A shown window by its name; or a control: the screen's own, else the one other shown
    // window's that has it ("Screen/Control" names that window). Never a guess between two.
    template <typename Widget = QWidget> static Widget* shown(const QString& name, QWidget* screen = nullptr)
    {
        const QString window = name.section(QLatin1Char('/'), 0, -2);
        const QString control = name.section(QLatin1Char('/'), -1);
        Widget* own = screen != nullptr && window.isEmpty() ? screen->findChild<Widget*>(control) : nullptr;
        QList<Widget*> found;
        for (QWidget* top : QApplication::topLevelWidgets()) {
            Widget* there = screen != nullptr              ? top->findChild<Widget*>(control)
                            : top->objectName() == control ? qobject_cast<Widget*>(top)
                                                           : nullptr;
            if (there != nullptr && top->isVisible() && (window.isEmpty() || top->objectName() == window)) {
                found << there;
            }
        }
        return own != nullptr ? own : found.size() == 1 ? found.front() : nullptr;
    }
    template <typename Widget = QWidget> static Widget& controlNamed(QWidget& screen, const QString& name)
    {
        Widget* widget = shown<Widget>(name, &screen);
        return widget != nullptr
                   ? *widget
                   : throw std::runtime_error("no control " + name.toStdString() + " (or two shown windows have one)");
    }

    // "Take a card" once it may be taken, "a factor of 12" dealt to a Level 3 player.
    void takeCard(fan1& game)
    {
        random.draw({{36, 60}});
        QWidget& button = controlNamed(game, QStringLiteral("Label5"));
        EXPECT_TRUE(waitFor([&] { return button.isEnabled(); }));
        const int before = game.model().turnnumber();
        click(button);
        EXPECT_TRUE(waitFor([&] { return game.model().turnnumber() == before + 1; }));
    }

    // A saved game of two players, Blue to play: Blue on 1 and 2, Red on 55, turn 5.
    void saveAGame(Integer soundon = 1)
    {
        Module1 saved;
        saved.boardowner[1] = saved.boardowner[2] = 1;
        saved.boardowner[55] = 2;
        saved.numberofplayers = 2;
        saved.soundon = soundon;
        EXPECT_TRUE(saveGame(saved, 5, folder.filePath(QStringLiteral("lastgame.inf"))));
    }

    // A situation as commands.txt names it; each "+N" then answers N and lets the blink end.
    QWidget& meet(const QString& situation)
    {
        const QStringList steps = situation.split(QLatin1Char('+'));
        const QString& name = steps.front();
        if (shared.hidedesktop == 1 &&
            QStringList{"Startplay2", "Fandlerules", "TeacherChoice", "fan1"}.contains(name)) {
            navigator.show<Grey>();
        }
        const std::map<QString, std::function<QWidget*()>> opening{
            {"Titlefrm", [&] { return &navigator.show<Titlefrm>(); }},
            {"Playlevel", [&] { return &navigator.show<Playlevel>(); }},
            {"Startplay2", [&] { return &navigator.show<Startplay2>(); }},
            {"fan1", [&] { return &navigator.show<fan1>(); }},
            {"Fandlerules",
             [&] {
                 click(controlNamed(navigator.show<Startplay2>(), QStringLiteral("Label6")));
                 return navigator.find<Fandlerules>();
             }},
            {"TeacherChoice",
             [&] {
                 click(controlNamed(navigator.show<Startplay2>(), QStringLiteral("Label7")));
                 return navigator.find<TeacherChoice>();
             }},
            {"restored", [&] {
                 saveAGame();
                 click(controlNamed(navigator.show<Titlefrm>(), QStringLiteral("Label6"))); // Restart Previous Game
                 return navigator.find<fan1>();
             }}};
        QWidget* screen = opening.at(opening.contains(name) ? name : QStringLiteral("restored"))();
        if (name == QLatin1String("card")) {
            takeCard(*navigator.find<fan1>());
        }
        for (const QString& number : steps.mid(1)) {
            fan1& game = *navigator.find<fan1>();
            takeCard(game);
            click(controlNamed(game, "Label1_" + number));
            EXPECT_TRUE(waitFor([&] { return !game.model().controls().timers[2].enabled; }));
        }
        return *screen;
    }

    QByteArray savedBytes() const
    {
        QFile file(folder.filePath(QStringLiteral("lastgame.inf")));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A field of the game's state by its name: "soundon", "boardowner[40]".
    Integer* field(const QString& name)
    {
        const QString array = name.section(QLatin1Char('['), 0, 0);
        const auto index = static_cast<std::size_t>(name.section(QLatin1Char('['), 1).chopped(1).toInt());
        if (array == QLatin1String("boardowner") || array == QLatin1String("playerlevel")) {
            return array == QLatin1String("boardowner") ? &shared.boardowner.at(index) : &shared.playerlevel.at(index);
        }
        const std::map<QString, Integer*> fields{{"numberofplayers", &shared.numberofplayers},
                                                 {"soundon", &shared.soundon},
                                                 {"hidedesktop", &shared.hidedesktop},
                                                 {"currentlevel", &shared.currentlevel},
                                                 {"restartgame", &shared.restartgame}};
        return fields.contains(name) ? fields.at(name) : nullptr;
    }

    // What an "after" entry finds instead of what it asks for; empty when it holds.
    QString differs(QWidget& screen, const QString& entry)
    {
        const QString name = entry.section(QLatin1Char('='), 0, 0);
        const QString wanted = entry.section(QLatin1Char('='), 1).replace(QLatin1Char('-'), QLatin1Char(' '));
        QString found;
        if (name.startsWith(QLatin1Char('+')) || name.startsWith(QLatin1Char('-'))) {
            return (shown(name.mid(1)) != nullptr) == name.startsWith(QLatin1Char('+')) ? QString() : "not so";
        } else if (name == QLatin1String("silentFor")) {
            const std::size_t heard = sounds.size();
            QEventLoop waiting; // a screen closed meanwhile lives on until this loop ends
            QTimer::singleShot(wanted.toInt(), &waiting, &QEventLoop::quit);
            waiting.exec();
            return sounds.size() == heard ? QString() : QString::number(sounds.size() - heard) + " sounds";
        } else if (name.startsWith(QLatin1String("look:"))) {
            QWidget* seen = shown(name.mid(5));
            return seen == nullptr ? QStringLiteral("not shown") : differencesFromLayout(*seen, wanted).join("\n  ");
        } else if (name == QLatin1String("ready") || name == QLatin1String("flash")) {
            const auto& model = navigator.find<fan1>()->model();
            const bool done = waitFor([&] {
                return name == QLatin1String("ready")    ? model.controls().Label5.enabled
                       : wanted == QLatin1String("over") ? !model.controls().timers[3].enabled
                                                         : model.flashcount() == wanted.toInt();
            });
            return done ? QString() : QStringLiteral("waited in vain");
        } else if (name == QLatin1String("tabs")) { // the focus stops met by pressing Tab until it comes back
            QStringList stops{QApplication::focusWidget()->objectName()};
            for (QTest::keyClick(&screen, Qt::Key_Tab); QApplication::focusWidget()->objectName() != stops.front();
                 QTest::keyClick(&screen, Qt::Key_Tab)) {
                stops << QApplication::focusWidget()->objectName();
            }
            found = stops.join(QLatin1Char(','));
        } else if (name.startsWith(QLatin1String("name:"))) { // as a screen reader reads it
            found = QAccessible::queryAccessibleInterface(&controlNamed(screen, name.mid(5)))->text(QAccessible::Name);
        } else if (name == QLatin1String("told")) {
            found = told.join(QLatin1Char(','));
        } else if (name == QLatin1String("focus")) {
            found = QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName() : QString();
        } else if (name == QLatin1String("saved")) {
            found = !QFile::exists(folder.filePath(QStringLiteral("lastgame.inf"))) ? QStringLiteral("none")
                    : savedBytes() == older                                         ? QStringLiteral("older")
                                                                                    : QStringLiteral("another");
        } else if (name == QLatin1String("heard")) { // "wav\click.wav" heard as "click"
            QStringList heard;
            for (const std::string& sound : sounds) {
                heard << QString::fromStdString(sound).section(QLatin1Char('\\'), 1).section(QLatin1Char('.'), 0, 0);
            }
            found = heard.join(QLatin1Char(','));
        } else if (name.startsWith(QLatin1String("line"))) {
            found = QString::fromLatin1(savedBytes().split('\n').value(name.mid(4).toInt() - 1).trimmed());
        } else if (name.startsWith(QLatin1String("size:"))) { // a shown window's client area
            const QWidget* window = shown(name.mid(5));
            found = window == nullptr ? QString() : QStringLiteral("%1x%2").arg(window->width()).arg(window->height());
        } else if (name.startsWith(QLatin1String("text:"))) {
            found = controlNamed<QLabel>(screen, name.mid(5)).text();
        } else if (name == QLatin1String("deals")) { // each level's tables (",d": divisions), Level 3's kinds
            QStringList levels;
            for (const TablesChoice& tables : {shared.cardchoice.level1, shared.cardchoice.level2}) {
                QStringList chosen;
                std::ranges::for_each(tables.chosen(), [&](int table) { chosen << QString::number(table); });
                levels << chosen.join(',') + (tables.divisions ? ",d" : "");
            }
            QStringList kinds;
            for (int kind = 0; kind < factKindCount; ++kind) {
                kinds << (shared.cardchoice.level3.test(kind) ? QString::number(kind) : QString());
            }
            kinds.removeAll(QString());
            found = levels.join(' ') + ' ' + kinds.join(',');
        } else if (name == QLatin1String("turn")) {
            found = QString::number(navigator.find<fan1>()->model().turnnumber());
        } else if (name == QLatin1String("ends")) {
            found = QString::number(programEnds);
        } else if (name == QLatin1String("web")) {
            const qsizetype ours = browser.opened.count(QUrl(toQString(publisher::webAddress)));
            found = QString::number(ours) + (browser.opened.size() == ours ? "" : " and others");
        } else if (Integer* value = field(name)) {
            found = QString::number(*value);
        } else {
            found = controlNamed<QCheckBox>(screen, name).isChecked() ? "on" : "off";
        }
        return found == wanted ? QString() : found.isEmpty() ? QStringLiteral("nothing") : found;
    }

    // Plays a table's rows (situation | controls | before | after); what differs, a line each.
    QStringList playTable(const QString& path)
    {
        QFile table(path);
        EXPECT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
        QList<QStringList> rows;
        for (QTextStream in(&table); !in.atEnd();) {
            const QString line = in.readLine().simplified();
            rows << (line.startsWith(QLatin1Char('#')) ? QStringList() : line.split(QRegularExpression(" ?\\| ?")));
        }
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &browser, "open");
        QStringList wrong;
        const bool firstOnly = qEnvironmentVariableIsSet("ZORBITAN_FIRST_FAULT_ONLY"); // as a mutation run asks
        for (const QStringList& row : rows) { // every line a comment, blank or a whole row
            if (firstOnly && !wrong.join(QString()).isEmpty()) {
                break;
            }
            wrong << (row.size() == 4 || row.join(QString()).isEmpty() ? QString() : "unreadable: " + row.join('|'));
            QStringList controls{row.value(1)}; // or, for "*", each shown that no other row names
            if (row.value(1) == QLatin1String("*")) {
                controls.clear();
                for (const QWidget* child : prepare(row).findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    const bool named = std::ranges::any_of(rows, [&](const QStringList& other) {
                        return other.mid(0, 3) == QStringList{row[0], child->objectName(), row[2]};
                    });
                    controls << (child->isVisible() && !named ? child->objectName() : QString());
                }
            }
            for (const QString& control : controls) {
                wrong << (row.size() == 4 && !control.isEmpty() ? play({row[0], control, row[2], row[3]})
                                                                : QStringList());
            }
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        wrong.removeAll(QString());
        return wrong;
    }

    // A row's situation from a fresh start, as commands.txt describes it.
    QWidget& prepare(const QStringList& row)
    {
        navigator.endProgram();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QFile::remove(folder.filePath(QStringLiteral("lastgame.inf")));
        shared = Module1{};
        navigator.context().scale = 1;
        shared.hidedesktop = 1;
        seatPlayers(shared, {3, 3});
        random.next = {(36 + 0.5) / 60};
        programEnds = 0;
        browser.opened.clear();
        QCoreApplication::removeTranslator(&language);
        const QString settings = folder.filePath(QStringLiteral("settings%1").arg(++rowsPlayed)); // none kept
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings + "/user");
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, settings + "/system");
        QFile::link(QDir::current().absoluteFilePath("Images"), folder.filePath("Images")); // unless "pictures=none"
        const QStringList before = row[2].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& entry : before) {
            const QString name = entry.section(QLatin1Char('='), 0, 0);
            const QString value = entry.section(QLatin1Char('='), 1);
            if (Integer* field = this->field(name)) {
                *field = static_cast<Integer>(value.toInt());
            } else if (name == QLatin1String("scale")) {
                navigator.context().scale = value.toDouble();
            } else if (name == QLatin1String("saved")) {
                saveAGame(value == QLatin1String("quiet") ? 0 : 1);
            } else if (name == QLatin1String("locked")) { // by the administrator's file
                QDir().mkpath(settings + "/system/zorbitan");
                QFile file(settings + "/system/zorbitan/zorbitan.conf");
                EXPECT_TRUE(file.open(QIODevice::WriteOnly) && file.write("[Cards]\nLocked=true\n") > 0);
            } else if (name == QLatin1String("pictures")) {
                QFile::remove(folder.filePath("Images"));
            } else if (name == QLatin1String("language")) {
                EXPECT_TRUE(language.load(":/i18n/zorbitan_" + value) &&
                            QCoreApplication::installTranslator(&language));
            } else if (name == QLatin1String("draw")) { // position/out of, for each draw
                random.next.clear();
                for (const QString& draw : value.split(QLatin1Char(','))) {
                    random.draw({{draw.section('/', 0, 0).toInt(), draw.section('/', 1).toInt()}});
                }
            }
        }
        QWidget& screen = meet(row[0]);
        for (const QString& entry : before) {
            const QString name = entry.section(QLatin1Char('='), 0, 0);
            const bool sound = name == QLatin1String("sound"); // "Play Sound" as the player meets the screen
            shared.soundon = sound ? (entry.endsWith(QLatin1String("=on")) ? 1 : 0) : shared.soundon;
            if (auto* box = shown<QCheckBox>(sound ? QStringLiteral("Check1") : name, &screen)) {
                box->setChecked(entry.endsWith(QLatin1String("=on")));
            }
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(&screen)) << row.join(" | ").toStdString();
        sounds.clear();
        told.clear();
        return screen;
    }

    // One row: its controls used in turn on its situation, and what differs after.
    QStringList play(const QStringList& row)
    {
        QWidget& screen = prepare(row);
        for (const QString& name : row[1].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (name.startsWith(QLatin1String("close"))) {
                (name == QLatin1String("close") ? &screen : shown(name.mid(6)))->close();
            } else if (name.startsWith(QLatin1String("keys:"))) {
                QTest::keySequence(&screen, QKeySequence(name.mid(5)));
            } else if (name.startsWith(QLatin1String("key:"))) { // digits, or a key by its name
                const QString key = name.mid(4);
                key.front().isDigit() ? QTest::keyClicks(QApplication::focusWidget(), key)
                                      : QTest::keyClick(QApplication::focusWidget(), QKeySequence(key)[0].key());
            } else if (name == QLatin1String("dealt")) {
                EXPECT_TRUE(waitFor([&] { return shared.answers[0] != "x"; })) << row.join(" | ").toStdString();
            } else if (name != QLatin1String("-")) {
                click(controlNamed(screen, name));
            }
        }
        QStringList wrong;
        for (const QString& entry : row[3].split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            const QString found = differs(screen, entry);
            wrong << (found.isEmpty() ? QString() : QStringLiteral("%1 -> %2: %3").arg(row.join(" | "), entry, found));
        }
        // Whatever the row did, the pointer is no longer busy once it is done.
        wrong << (QGuiApplication::overrideCursor() == nullptr ? QString() : row.join(" | ") + " -> a busy pointer");
        return wrong;
    }

    QByteArray older = (saveAGame(), savedBytes()); // the saved game saveAGame() writes
    UrlRecorder browser;
    QStringList told; // the controls announced to a screen reader, in turn, while the browser stands
    QMetaObject::Connection telling = QObject::connect(&Announcements::instance(), &Announcements::announced, &browser,
                                                       [this](const QWidget* widget) { told << widget->objectName(); });
    QTranslator language;
    int rowsPlayed = 0;
};

} // namespace

TEST_F(Commands, EveryCommandDoesWhatTheTableSays)
{
    const QStringList wrong = playTable(QStringLiteral(COMMANDS));
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char('\n')).toStdString();
}

TEST_F(Commands, EveryControlSoundsAsTheSoundRuleSays)
{
    const QStringList wrong = playTable(QStringLiteral(SOUND_RULE));
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char('\n')).toStdString();
}

#include "CommandsTest.moc"
