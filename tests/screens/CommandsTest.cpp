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
// Stands in for the desktop's browser while it lives: records the addresses the game asks to open.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    UrlRecorder() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "open"); }
    ~UrlRecorder() override { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};

// A left click in the middle of a control, or for a tick box on its box.
void click(QWidget& widget)
{
    const bool box = qobject_cast<QCheckBox*>(&widget) != nullptr;
    QTest::mouseClick(&widget, Qt::LeftButton, Qt::NoModifier, box ? QPoint(8, 12) : widget.rect().center());
}

// What the game does in its own time; a busy machine only makes it slower.
bool waitFor(const std::function<bool()>& condition) { return QTest::qWaitFor(condition, 20000); }

// A shown window by its name.
QWidget* window(const QString& name)
{
    const QWidgetList tops = QApplication::topLevelWidgets();
    const auto found =
        std::ranges::find_if(tops, [&](auto* top) { return top->isVisible() && top->objectName() == name; });
    return found != tops.end() ? *found : nullptr;
}

// A control: the screen's own, else the one other shown window's that has it ("Screen/Control"
// names that window). Never a guess between two.
template <typename Widget = QWidget> Widget& control(QWidget& screen, const QString& name)
{
    const QString window = name.section(QLatin1Char('/'), 0, -2);
    QList<Widget*> found{window.isEmpty() ? screen.findChild<Widget*>(name) : nullptr};
    for (const QWidget* top : QApplication::topLevelWidgets()) {
        const bool there =
            found.front() == nullptr && top->isVisible() && (window.isEmpty() || top->objectName() == window);
        found << (there ? top->findChild<Widget*>(name.section(QLatin1Char('/'), -1)) : nullptr);
    }
    found.removeAll(nullptr);
    const std::string why = "no control " + name.toStdString() + " (or two shown windows have one)";
    return found.size() == 1 ? *found.front() : throw std::runtime_error(why);
}

// A cell's entries, and an entry's "name=value" parted.
QStringList entriesOf(const QString& cell) { return cell.split(QLatin1Char(' '), Qt::SkipEmptyParts); }
QString nameOf(const QString& entry) { return entry.section(QLatin1Char('='), 0, 0); }
QString valueOf(const QString& entry) { return entry.section(QLatin1Char('='), 1); }

// A row of a table (situation | controls | before | after) on screens of its own: its
// situation met from a fresh start, as commands.txt describes it, then played.
class Row : public Screens {
public:
    explicit Row(const QStringList& cells) : cells(cells)
    {
        QFile::remove(savedPath); // the one `older` holds
        shared.hidedesktop = 1;
        seatPlayers(shared, {3, 3});
        random.next = {(36 + 0.5) / 60};
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, folder.filePath("user"));
        QSettings::setPath(QSettings::NativeFormat, QSettings::SystemScope, folder.filePath("system"));
        QStringList boxes; // with "sound", set as the player meets the screen
        for (const QString& entry : entriesOf(cells[2])) {
            const QString name = nameOf(entry);
            const QString value = valueOf(entry);
            if (Integer* field = this->field(name)) {
                *field = static_cast<Integer>(value.toInt());
            } else if (name == QLatin1String("scale")) {
                navigator.context().scale = value.toDouble();
            } else if (name == QLatin1String("saved")) {
                saveAGame(value == QLatin1String("quiet") ? 0 : 1);
            } else if (name == QLatin1String("locked")) { // by the administrator's file
                QDir().mkpath(folder.filePath("system/zorbitan"));
                QFile file(folder.filePath("system/zorbitan/zorbitan.conf"));
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
            } else {
                boxes << entry;
            }
        }
        screen = &meet(cells[0]);
        for (const QString& entry : boxes) { // "sound": the options' "Play Sound", when they are shown
            const bool sound = nameOf(entry) == QLatin1String("sound");
            const bool on = valueOf(entry) == QLatin1String("on");
            shared.soundon = sound ? (on ? 1 : 0) : shared.soundon;
            if (!sound || window(QStringLiteral("Startplay2")) != nullptr) {
                control<QCheckBox>(*screen, sound ? QStringLiteral("Startplay2/Check1") : nameOf(entry)).setChecked(on);
            }
        }
        EXPECT_TRUE(QTest::qWaitForWindowActive(screen)) << cells.join(" | ").toStdString();
        sounds.clear();
        told.clear();
    }

    // Its controls used in turn; what differs after, or nothing.
    QString play()
    {
        for (const QString& name : entriesOf(cells[1])) {
            if (name.startsWith(QLatin1String("close"))) {
                (name == QLatin1String("close") ? screen : window(name.mid(6)))->close();
            } else if (name.startsWith(QLatin1String("keys:"))) {
                QTest::keySequence(screen, QKeySequence(name.mid(5)));
            } else if (name.startsWith(QLatin1String("drag:"))) { // the window's frame dragged to WxH
                const QStringList size = name.mid(5).split(QLatin1Char('x'));
                screen->resize(size.value(0).toInt(), size.value(1).toInt());
            } else if (name.startsWith(QLatin1String("key:"))) { // digits, or a key by its name
                const QString key = name.mid(4);
                key.front().isDigit() ? QTest::keyClicks(QApplication::focusWidget(), key)
                                      : QTest::keyClick(QApplication::focusWidget(), QKeySequence(key)[0].key());
            } else if (name == QLatin1String("dealt")) {
                EXPECT_TRUE(waitFor([&] { return shared.answers[0] != "x"; })) << cells.join(" | ").toStdString();
            } else if (name != QLatin1String("-")) {
                click(control(*screen, name));
            }
        }
        QStringList wrong;
        for (const QString& entry : entriesOf(cells[3])) {
            const QString found = differs(entry);
            wrong << (found.isEmpty() ? QString() : entry + ": " + found);
        }
        // Whatever the row did, the pointer is no longer busy once it is done.
        wrong << (QGuiApplication::overrideCursor() == nullptr ? QString() : QStringLiteral("a busy pointer"));
        wrong.removeAll(QString());
        return wrong.isEmpty() ? QString() : cells.join(" | ") + " -> " + wrong.join("; ");
    }

    QWidget* screen = nullptr;

private:
    // "Take a card" once it may be taken, "a factor of 12" dealt to a Level 3 player.
    void takeCard(fan1& game)
    {
        random.draw({{36, 60}});
        QWidget& button = control(game, QStringLiteral("Label5"));
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
        EXPECT_TRUE(saveGame(saved, 5, savedPath));
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
                 click(control(navigator.show<Startplay2>(), QStringLiteral("Label6")));
                 return navigator.find<Fandlerules>();
             }},
            {"TeacherChoice",
             [&] {
                 click(control(navigator.show<Startplay2>(), QStringLiteral("Label7")));
                 return navigator.find<TeacherChoice>();
             }},
            {"restored", [&] {
                 saveAGame();
                 click(control(navigator.show<Titlefrm>(), QStringLiteral("Label6"))); // Restart Previous Game
                 return navigator.find<fan1>();
             }}};
        QWidget* met = opening.at(opening.contains(name) ? name : QStringLiteral("restored"))();
        if (name == QLatin1String("card")) {
            takeCard(*navigator.find<fan1>());
        }
        for (const QString& number : steps.mid(1)) {
            fan1& game = *navigator.find<fan1>();
            takeCard(game);
            click(control(game, "Label1_" + number));
            EXPECT_TRUE(waitFor([&] { return !game.model().controls().timers[2].enabled; }));
        }
        return *met;
    }

    QByteArray savedBytes() const
    {
        QFile file(savedPath);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // A field of the game's state by its name: "soundon", "boardowner[40]".
    Integer* field(const QString& name)
    {
        const auto index = static_cast<std::size_t>(name.section(QLatin1Char('['), 1).section(']', 0, 0).toInt());
        const std::map<QString, Integer*> fields{{"numberofplayers", &shared.numberofplayers},
                                                 {"soundon", &shared.soundon},
                                                 {"hidedesktop", &shared.hidedesktop},
                                                 {"currentlevel", &shared.currentlevel},
                                                 {"restartgame", &shared.restartgame}};
        return name.startsWith(QLatin1String("boardowner["))    ? &shared.boardowner.at(index)
               : name.startsWith(QLatin1String("playerlevel[")) ? &shared.playerlevel.at(index)
               : fields.contains(name)                          ? fields.at(name)
                                                                : nullptr;
    }

    // What an "after" entry finds instead of what it asks for; empty when it holds.
    QString differs(const QString& entry)
    {
        const QString name = nameOf(entry);
        const QString wanted = valueOf(entry).replace(QLatin1Char('-'), QLatin1Char(' '));
        QString found;
        if (name.startsWith(QLatin1Char('+')) || name.startsWith(QLatin1Char('-'))) {
            return (window(name.mid(1)) != nullptr) == name.startsWith(QLatin1Char('+')) ? QString() : "not so";
        } else if (name == QLatin1String("silentFor")) {
            const std::size_t heard = sounds.size();
            QEventLoop waiting; // a screen closed meanwhile lives on until this loop ends
            QTimer::singleShot(wanted.toInt(), &waiting, &QEventLoop::quit);
            waiting.exec();
            return sounds.size() == heard ? QString() : QString::number(sounds.size() - heard) + " sounds";
        } else if (name.startsWith(QLatin1String("look:"))) {
            QWidget* seen = window(name.mid(5));
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
            for (QTest::keyClick(screen, Qt::Key_Tab); QApplication::focusWidget()->objectName() != stops.front();
                 QTest::keyClick(screen, Qt::Key_Tab)) {
                stops << QApplication::focusWidget()->objectName();
            }
            found = stops.join(QLatin1Char(','));
        } else if (name.startsWith(QLatin1String("name:"))) { // as a screen reader reads it
            found = QAccessible::queryAccessibleInterface(&control(*screen, name.mid(5)))->text(QAccessible::Name);
        } else if (name == QLatin1String("told")) {
            found = told.join(QLatin1Char(','));
        } else if (name == QLatin1String("focus")) {
            found = QApplication::focusWidget() != nullptr ? QApplication::focusWidget()->objectName() : QString();
        } else if (name == QLatin1String("saved")) {
            found = !QFile::exists(savedPath) ? QStringLiteral("none")
                    : savedBytes() == older   ? QStringLiteral("older")
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
            const QWidget* shown = window(name.mid(5));
            found = shown == nullptr ? QString() : QStringLiteral("%1x%2").arg(shown->width()).arg(shown->height());
        } else if (name.startsWith(QLatin1String("text:"))) {
            found = control<QLabel>(*screen, name.mid(5)).text();
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
            found = control<QCheckBox>(*screen, name).isChecked() ? "on" : "off";
        }
        return found == wanted ? QString() : found.isEmpty() ? QStringLiteral("nothing") : found;
    }

    const QStringList cells;
    const QString savedPath = folder.filePath(QStringLiteral("lastgame.inf"));
    const QByteArray older = (saveAGame(), savedBytes()); // the saved game saveAGame() writes
    UrlRecorder browser;
    QStringList told; // the controls announced to a screen reader, in turn, while the browser stands
    QMetaObject::Connection telling = QObject::connect(&Announcements::instance(), &Announcements::announced, &browser,
                                                       [this](const QWidget* widget) { told << widget->objectName(); });
    QTranslator language;
};

// What a "*" row stands for: each control shown in its situation that no other row names.
QStringList othersShown(const QList<QStringList>& rows, const QStringList& row)
{
    const Row situation(row);
    QStringList controls;
    for (const QWidget* child : situation.screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        const bool named = std::ranges::any_of(rows, [&](const QStringList& other) {
            return other.mid(0, 3) == QStringList{row[0], child->objectName(), row[2]};
        });
        controls << (child->isVisible() && !named ? child->objectName() : QString());
    }
    return controls;
}

// Plays a table: every line a comment, blank or a whole row; what differs, a line a row.
void playTable(const QString& path)
{
    QFile table(path);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly | QIODevice::Text)) << path.toStdString();
    QList<QStringList> rows;
    for (QTextStream in(&table); !in.atEnd();) {
        const QString line = in.readLine().simplified();
        rows << (line.startsWith(QLatin1Char('#')) ? QStringList() : line.split(QRegularExpression(" ?\\| ?")));
    }
    QStringList wrong;
    const bool firstOnly = qEnvironmentVariableIsSet("ZORBITAN_FIRST_FAULT_ONLY"); // as a mutation run asks
    for (const QStringList& row : rows) {
        wrong.removeAll(QString());
        if (firstOnly && !wrong.isEmpty()) {
            break;
        }
        wrong << (row.size() == 4 || row.join(QString()).isEmpty() ? QString() : "unreadable: " + row.join('|'));
        for (const QString& control : row.size() == 4 && row[1] == "*" ? othersShown(rows, row) : row.mid(1, 1)) {
            wrong << (row.size() == 4 && !control.isEmpty() ? Row({row[0], control, row[2], row[3]}).play() : "");
        }
    }
    wrong.removeAll(QString());
    EXPECT_TRUE(wrong.isEmpty()) << wrong.join(QLatin1Char('\n')).toStdString();
}

} // namespace

TEST(Commands, EveryCommandDoesWhatTheTableSays) { playTable(QStringLiteral(COMMANDS)); }

TEST(Commands, EveryControlSoundsAsTheSoundRuleSays) { playTable(QStringLiteral(SOUND_RULE)); }

#include "CommandsTest.moc"
