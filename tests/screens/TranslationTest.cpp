// The game in every language it speaks: each text fits the box the layout gives it, in
// its font, wrapped as its label wraps; and no text a player reads escapes translation.

#include "Fandlerules.h"
#include "Playlevel.h"
#include "QtConversions.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"

#include <QAccessible>
#include <QCheckBox>
#include <QLabel>
#include <QTextLayout>
#include <QTranslator>

using namespace zorbitan;
using zorbitan::testing::ScreenTest;

namespace {
// Every screen a player meets, the level screen with all four rows.
QList<QWidget*> openEveryScreen(ScreenNavigator& navigator)
{
    navigator.context().shared.numberofplayers = 4;
    navigator.context().shared.playerlevel = {0, 1, 2, 3, 3};
    return {&navigator.show<Titlefrm>(), &navigator.show<Startplay2>(), &navigator.show<Fandlerules>(),
            &navigator.show<Playlevel>(), &navigator.show<fan1>()};
}

// What a text needs beyond its box: empty when it fits.
QString overflow(const QWidget& widget, const QString& text)
{
    QRect box = widget.rect();
    const QFontMetrics metrics = widget.fontMetrics();
    QRect needed(0, 0, metrics.horizontalAdvance(text), metrics.height());
    if (const auto* tickBox = qobject_cast<const QCheckBox*>(&widget)) {
        QCheckBox sized(text);
        sized.setFont(tickBox->font());
        needed.setSize(sized.sizeHint());
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget); label->wordWrap()) {
        needed = metrics.boundingRect(box, Qt::TextWordWrap | label->alignment(), text);
        // A label draws its first line from its top edge: whatever rises above the font's
        // ascent is cut off. Plain letters lose a pixel or two in some faces, unseen; an
        // accent on a capital may vanish.
        QTextLayout layout(text, label->font());
        layout.beginLayout();
        QTextLine first = layout.createLine();
        first.setLineWidth(box.width());
        layout.endLayout();
        const auto cut = [&](const QString& ink) { return -metrics.tightBoundingRect(ink).top() - metrics.ascent(); };
        if (cut(text.mid(first.textStart(), first.textLength())) > std::max(0, cut(QStringLiteral("Hbdfhklt"))) + 2) {
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

QString textOf(const QWidget& widget)
{
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const auto* box = qobject_cast<const QCheckBox*>(&widget);
    return label != nullptr ? label->text() : box != nullptr ? box->text() : QString();
}

class Languages : public ScreenTest, public ::testing::WithParamInterface<const char*> {};
} // namespace

TEST_P(Languages, EveryTextFitsItsBox)
{
    QTranslator translator; // English is the game's own
    if (QString::fromLatin1(GetParam()) != QLatin1String("en")) {
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/zorbitan_") + QString::fromLatin1(GetParam())));
        QCoreApplication::installTranslator(&translator);
    }
    QStringList problems;
    const auto check = [&](const QWidget& widget, const QString& text) {
        problems << (text.isEmpty() ? QString() : overflow(widget, text));
    };
    for (QWidget* screen : openEveryScreen(navigator)) {
        for (const QWidget* widget : screen->findChildren<QWidget*>()) {
            check(*widget, textOf(*widget));
        }
    }
    // What the game screen shows in play: every card, turn line, winner and level.
    const fan1& game = open<fan1>();
    for (const Level3Card& card : level3Cards()) {
        check(control(&game, "Label4"), translated(card.text));
    }
    for (const Player& player : players) {
        check(control(&game, "Label2"), translated(player.turnLine));
        check(control(&game, "Label2"), translated(player.winMessage));
    }
    for (int level = lowestLevel; level <= highestLevel; ++level) {
        check(control(&game, "Label11"), translated(levelStyle(level)->levelCaption));
    }
    QCoreApplication::removeTranslator(&translator);
    problems.removeAll(QString());
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Languages, ::testing::Values("en", "fr", "de", "es"));

// Only numbers, sums, the game's name and address read the same in every language: every
// other text, shown or read aloud, passes through translation, which here marks it; and
// every control a player meets has a name a screen reader reads.
TEST_F(ScreenTest, NoTextEscapesTranslationAndEveryControlHasAName)
{
    struct Marker : QTranslator {
        QString translate(const char*, const char* source, const char*, int) const override
        {
            return QStringLiteral("\u00AB%1").arg(QString::fromUtf8(source));
        }
        bool isEmpty() const override { return false; }
    } marker;
    QCoreApplication::installTranslator(&marker);
    const QRegularExpression sameEverywhere(QStringLiteral("^([0-9 x\u00F7]*|X|ZORBITAN|zorbitan\\.example\\.org)$"));
    QStringList untranslated;
    for (QWidget* screen : openEveryScreen(navigator)) {
        for (const QWidget* widget : screen->findChildren<QWidget*>()) {
            const QString shown = textOf(*widget);
            for (const QString& text : {shown, widget->accessibleName()}) {
                if (!text.startsWith(QChar(0x00AB)) && !sameEverywhere.match(text).hasMatch()) {
                    untranslated << widget->objectName() + QStringLiteral(": ") + text;
                }
            }
            const QAccessibleInterface* readOut = QAccessible::queryAccessibleInterface(const_cast<QWidget*>(widget));
            const QAccessible::Role role = readOut->role();
            const bool control = role == QAccessible::Button || role == QAccessible::CheckBox ||
                                 role == QAccessible::Graphic || !shown.isEmpty();
            if (widget->isVisible() && control && readOut->text(QAccessible::Name).isEmpty()) {
                untranslated << widget->objectName() + QStringLiteral(" has no name");
            }
        }
    }
    QCoreApplication::removeTranslator(&marker);
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1Char('\n')).toStdString();
}
