// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game in every language it speaks: every text fits its box and its face, none escapes
// translation, each keeps its English's numbers and says one thing in one word.

#include "LayoutCheck.h"
#include "QtConversions.h"
#include "ScreenTest.h"

#include <map>

using namespace zorbitan;
using namespace zorbitan::testing;

namespace {
// Every text of every screen (four players) at the scale, and each the game shows in play: every
// card and its answers, the widest sums, both answer headings, every turn line, winner and level.
void forEveryText(ScreenNavigator& navigator, const std::function<void(const QWidget&, const QString&)>& visit,
                  double scale = 1)
{
    navigator.context().shared.numberofplayers = 4;
    navigator.context().shared.playerlevel = {0, 1, 2, 3, 3};
    Titlefrm& title = navigator.show<Titlefrm>();
    for (QWidget* screen : std::initializer_list<QWidget*>{
             &title, &navigator.show<Startplay2>(), &navigator.show<Fandlerules>(), &navigator.show<TeacherChoice>(),
             &navigator.show<Playlevel>(), &navigator.show<fan1>()}) {
        screen->resize((QSizeF(screen->size()) * scale).toSize()); // the window's frame dragged
        for (const QWidget* widget : screen->findChildren<QWidget*>()) {
            visit(*widget, textOf(*widget));
        }
    }
    title.readOkAsCancel(); // how its "OK" reads once a game has been left
    const QWidget& ok = *title.findChild<QWidget*>(QStringLiteral("Label5"));
    visit(ok, textOf(ok));
    // Words shown in play, shown as the game shows them: in a face that keeps them in their box.
    const auto show = [&](QWidget& widget, const QString& text) {
        showWords(widget, text);
        visit(widget, text);
    };
    const fan1& game = *navigator.find<fan1>();
    const auto shown = [&](const char* name, const QString& text) { show(*game.findChild<QWidget*>(name), text); };
    for (const Level3Card& card : level3Cards()) {
        shown("Label4", translated(card.text));
        QStringList answers;
        std::ranges::for_each(card.answers, [&](int answer) { answers << QString::number(answer); });
        shown("Label6", translatedList(answers.join(QStringLiteral(", ")).toStdString()));
    }
    shown("Label4", translated("%1 x %2", {10, 10}));
    shown("Label4", translated("%1 \u00F7 %2", {100, 10}));
    shown("Label7", translated("ANSWER", {}, 1));
    shown("Label7", translated("ANSWER", {}, 6));
    for (const Player& player : players) {
        shown("Label2", translated(player.turnLine));
        shown("Label2", translated(player.winMessage));
    }
    for (int level = lowestLevel; level <= highestLevel; ++level) {
        shown("Label11", translated(levelStyle(level)->levelCaption));
    }
    // The teacher's screen: the cards of each kind of fact, why a choice is refused or locked.
    const TeacherChoice& teacher = *navigator.find<TeacherChoice>();
    const auto teachers = [&](const char* name) { return teacher.findChild<QWidget*>(name); };
    for (int pass = 0; pass < 2; ++pass) { // every kind unticked, the last refused; then ticked again
        for (int kind = 0; kind < factKindCount; ++kind) {
            QWidget& box = *teachers(qPrintable(QStringLiteral("Check5_%1").arg(kind)));
            QEvent enter(QEvent::Enter);
            QCoreApplication::sendEvent(&box, &enter);
            visit(*teachers("Label6"), textOf(*teachers("Label6")));
            QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
        }
        for (const QString& why :
             {textOf(*teachers("Label2")),
              QCoreApplication::translate("zorbitan::TeacherChoice", "The administrator of this computer has set these "
                                                                     "choices for every user.")}) {
            show(*teachers("Label2"), pass == 0 ? why : QString());
        }
    }
    // The rules' lines for every choice of tables a teacher can make.
    const Fandlerules& rules = *navigator.find<Fandlerules>();
    for (unsigned long tables = 1; tables < 1024; ++tables) {
        for (const auto& [level, line] : {std::pair{1, "Label1_15"}, {2, "Label1_11"}}) {
            for (const bool divisions : {false, true}) {
                show(*rules.findChild<QWidget*>(line), Fandlerules::tablesLine(level, {tables, divisions}));
            }
        }
    }
}

// What a text needs beyond its box, or a letter its face lacks (it would show as a box,
// with no other face to stand in): empty when it fits.
QString whatDoesNotFit(const QWidget& widget, const QString& text)
{
    QRect box = widget.rect();
    const QFontMetrics metrics = widget.fontMetrics();
    if (const auto* letter = std::ranges::find_if(text, [&](QChar c) { return !metrics.inFont(c); });
        letter != text.end()) {
        return QStringLiteral("%1 \"%2\" lacks \"%3\"").arg(widget.objectName(), text, *letter);
    }
    QRect needed(0, 0, metrics.horizontalAdvance(text), metrics.height());
    if (const auto* tickBox = qobject_cast<const QCheckBox*>(&widget)) {
        QCheckBox sized(text);
        sized.setFont(tickBox->font());
        needed.setSize(sized.sizeHint());
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget); label->wordWrap()) {
        needed = metrics.boundingRect(box, Qt::TextWordWrap | label->alignment(), text);
        // A label cuts off what rises above the font's ascent: an accent on a capital may go.
        // The design's own letters lose up to 2 pixels there, and as much more in proportion.
        QTextLayout layout(text, label->font());
        layout.beginLayout();
        QTextLine first = layout.createLine();
        first.setLineWidth(box.width());
        layout.endLayout();
        const auto cut = [&](const QString& ink) { return -metrics.tightBoundingRect(ink).top() - metrics.ascent(); };
        const double allowed = std::max(0, cut(QStringLiteral("Hbdfhklt"))) + 2 * scaleOf(widget).scale;
        if (cut(text.mid(first.textStart(), first.textLength())) > allowed) {
            needed.setHeight(needed.height() + box.height());
        }
    } else { // the turn line widens around its centre as far as the title word and the edge allow
        const int centre = widget.geometry().center().x();
        const QWidget& title = *widget.parentWidget()->findChild<QWidget*>(QStringLiteral("Label9"));
        box.setWidth(2 * std::min(centre - title.geometry().right(), widget.parentWidget()->width() - centre));
    }
    if (needed.width() <= box.width() && needed.height() <= box.height()) {
        return {};
    }
    const auto size = [](QRect r) { return QStringLiteral("%1x%2").arg(r.width()).arg(r.height()); };
    return QStringLiteral("%1 \"%2\" needs %3 in %4").arg(widget.objectName(), text, size(needed), size(box));
}

class Languages : public ScreenTest, public ::testing::WithParamInterface<std::tuple<const char*, double>> {};

struct Message {
    QString context, source;
    QStringList translations; // one, or a language's singular and plural
};

// The messages of a translation's source file, translations/zorbitan_LANGUAGE.ts.
QList<Message> messagesOf(const QString& language)
{
    QFile file(QStringLiteral(TRANSLATIONS_FOLDER "/zorbitan_%1.ts").arg(language));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << file.fileName().toStdString();
    QList<Message> messages;
    QString context;
    bool numerus = false;
    for (QXmlStreamReader xml(&file); xml.readNextStartElement() || !xml.atEnd();) {
        const auto name = xml.name();
        if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            messages.append({context, {}, {}});
            numerus = xml.attributes().value(QLatin1String("numerus")) == QLatin1String("yes");
        } else if (name == QLatin1String("source")) {
            messages.last().source = xml.readElementText();
        } else if ((name == QLatin1String("translation") && !numerus) || name == QLatin1String("numerusform")) {
            messages.last().translations << xml.readElementText();
        }
    }
    return messages;
}

// The numbers and placeholders of a text, in order: "%1", "10", "70".
QStringList numbersIn(const QString& text)
{
    QStringList numbers;
    for (const auto& match : QRegularExpression(QStringLiteral("%?\\d+")).globalMatch(text)) {
        numbers << match.captured();
    }
    numbers.sort();
    return numbers;
}
} // namespace

TEST_P(Languages, EveryTextFitsItsBox)
{
    const auto [language, scale] = GetParam();
    QTranslator translator; // none for English, the game's own
    ASSERT_TRUE(language == std::string("en") || translator.load(QStringLiteral(":/i18n/zorbitan_") + language));
    QCoreApplication::installTranslator(&translator);
    QStringList problems;
    forEveryText(
        navigator,
        [&](const QWidget& widget, const QString& text) {
            problems << (text.isEmpty() ? QString() : whatDoesNotFit(widget, text));
        },
        scale);
    QCoreApplication::removeTranslator(&translator);
    problems.removeAll(QString());
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

// The design's size, sizes between steps, and the largest of a 4K display.
INSTANTIATE_TEST_SUITE_P(EveryLanguageAtEverySize, Languages,
                         ::testing::Combine(::testing::Values("en", "fr", "de", "es"),
                                            ::testing::Values(1.0, 1.3, 1.5, 2.0, 2.7, 3.6)),
                         [](const auto& test) { // "de_at_1_5"
                             const QString scale = QString::number(std::get<1>(test.param)).replace(u'.', u'_');
                             return std::get<0>(test.param) + ("_at_" + scale.toStdString());
                         });

// Every text but numbers, sums, the name and the address, shown or read aloud, passes
// through translation (marked here) and is in every language; every control has a name.
TEST_F(ScreenTest, NoTextEscapesTranslationAndEveryControlHasAName)
{
    struct Marker : QTranslator {
        QString translate(const char* context, const char* source, const char*, int) const override
        {
            asked << QString::fromUtf8(context) + QLatin1Char('|') + QString::fromUtf8(source);
            return QStringLiteral("\u00AB%1").arg(QString::fromUtf8(source));
        }
        bool isEmpty() const override { return false; }
        mutable QSet<QString> asked;
    } marker;
    QCoreApplication::installTranslator(&marker);
    const QRegularExpression sameEverywhere(QStringLiteral("^([0-9 x\u00F7]*|X|ZORBITAN|zorbitan\\.example\\.org)$"));
    QStringList untranslated;
    forEveryText(navigator, [&](const QWidget& widget, const QString& shown) {
        for (const QString& text : {shown, widget.accessibleName()}) {
            if (!text.startsWith(QChar(0x00AB)) && !sameEverywhere.match(text).hasMatch()) {
                untranslated << widget.objectName() + QStringLiteral(": ") + text;
            }
        }
        const QAccessibleInterface* readOut = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(&widget));
        const QAccessible::Role role = readOut->role();
        const bool control = role == QAccessible::Button || role == QAccessible::CheckBox ||
                             role == QAccessible::Graphic || !shown.isEmpty();
        if (widget.isVisible() && control && readOut->text(QAccessible::Name).isEmpty()) {
            untranslated << widget.objectName() + QStringLiteral(" has no name");
        }
    });
    QCoreApplication::removeTranslator(&marker);
    for (const char* language : {"fr", "de", "es"}) {
        QSet<QString> held;
        for (const Message& message : messagesOf(QString::fromLatin1(language))) {
            held << message.context + QLatin1Char('|') + message.source;
        }
        for (const QString& text : marker.asked) {
            untranslated << (held.contains(text) || text.startsWith(QLatin1Char('Q')) ? QString()
                                                                                      : language + (": " + text));
        }
    }
    untranslated.removeAll(QString());
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1Char('\n')).toStdString();
}

// Every number and placeholder of the English, and no other, is in each translation, but
// where a teacher says the language's word for a ten ("to the nearest 10"). A text shown
// in several places reads the same in each, but "Exit" on the title, which ends the
// program, and on the rules and the teacher's screen, which close their page, each may
// say so in a word of its own.
TEST(Translations, EveryMessageKeepsItsNumbersAndItsWord)
{
    const std::map<QString, QString> wordForTen{{"fr", "dizaine"}, {"de", "Zehner"}, {"es", "decena"}};
    QStringList problems;
    for (const auto& [language, ten] : wordForTen) {
        std::map<QString, QString> wordFor; // by meaning
        for (const Message& message : messagesOf(language)) {
            const QString meaning =
                message.source + (message.context.endsWith("Titlefrm") ? QStringLiteral("!")
                                  : message.context.endsWith("Fandlerules") || message.context.endsWith("TeacherChoice")
                                      ? QStringLiteral("?")
                                      : QString());
            if (wordFor.emplace(meaning, message.translations.value(0)).first->second !=
                message.translations.value(0)) {
                problems << QStringLiteral("%1: \"%2\" in two words").arg(language, message.source);
            }
            for (const QString& translation : message.translations) {
                QStringList asked = numbersIn(message.source);
                if (translation.contains(ten) && !translation.contains(QStringLiteral("10"))) {
                    asked.removeOne(QStringLiteral("10"));
                }
                if (numbersIn(translation) != asked || translation.isEmpty()) {
                    problems << QStringLiteral("%1: \"%2\" as \"%3\"").arg(language, message.source, translation);
                }
            }
        }
        if (wordFor[QStringLiteral("Exit")] == wordFor[QStringLiteral("Exit!")]) {
            problems << language + QStringLiteral(": one word for leaving a screen and the game");
        }
    }
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

// The rules say what each level deals: the tables chosen, a run of three as one, and
// the kinds of fact chosen, from the top; with the design's choice, Level 1's line as
// designed and Level 2's every product.
TEST_F(ScreenTest, TheRulesSayWhatEachLevelDeals)
{
    const auto lines = [this] {
        const Fandlerules& rules = navigator.show<Fandlerules>();
        QStringList shown;
        for (const int member : {15, 11, 14, 6, 10, 12, 16, 17, 18}) {
            const auto* label = rules.findChild<QLabel*>(QStringLiteral("Label1_%1").arg(member));
            shown << (label->isVisible() ? label->text() : QStringLiteral("-"));
        }
        navigator.close<Fandlerules>();
        return shown.join(QLatin1Char('|')).toStdString();
    };
    EXPECT_EQ(lines(), "2, 5 and 10 times tables and simple divisions.|Times tables up to 10 x 10.|* prime numbers|"
                       "* factors|* multiples|* square numbers and square roots|* odd and even numbers|"
                       "* greater than and less than|* numbers to the nearest ten");
    shared.cardchoice = {tablesOf({3, 4}, false), tablesOf({1, 2, 3, 4, 6, 8, 9, 10}, true), FactKinds(0b1000011)};
    EXPECT_EQ(lines(), "3 and 4 times tables.|1 to 4, 6 and 8 to 10 times tables and divisions.|* prime numbers|"
                       "* factors|* numbers to the nearest ten|-|-|-|-");
    shared.cardchoice.level1 = tablesOf({7}, true);
    EXPECT_EQ(lines().substr(0, 33), "The 7 times table and divisions.|");
}
