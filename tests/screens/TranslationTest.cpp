// The game in every language it speaks: each text fits the box the layout gives it, in
// its font, wrapped as its label wraps; and no text a player reads escapes translation.

#include "Cards.h"
#include "Fandlerules.h"
#include "Playlevel.h"
#include "QtConversions.h"
#include "ScreenTest.h"
#include "Startplay2.h"
#include "Titlefrm.h"
#include "fan1.h"

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

// Where a text goes beyond its box: empty when it fits.
QString overflow(const QWidget& widget, const QString& text)
{
    QRect box = widget.rect();
    QRect needed;
    if (const auto* tickBox = qobject_cast<const QCheckBox*>(&widget)) {
        QCheckBox sized(text);
        sized.setFont(tickBox->font());
        needed = QRect(QPoint(), sized.sizeHint());
    } else if (const auto* label = qobject_cast<const QLabel*>(&widget); label->wordWrap()) {
        needed = label->fontMetrics().boundingRect(box, Qt::TextWordWrap | label->alignment(), text);
        // A label draws its first line from its top edge: whatever rises above the font's
        // ascent is cut off. Plain letters lose a pixel or two in some faces, unseen; an
        // accent on a capital may vanish.
        QTextLayout layout(text, label->font());
        layout.beginLayout();
        QTextLine first = layout.createLine();
        first.setLineWidth(box.width());
        layout.endLayout();
        const QFontMetrics& metrics = label->fontMetrics();
        const auto cut = [&](const QString& ink) { return -metrics.tightBoundingRect(ink).top() - metrics.ascent(); };
        const int firstLineCut = cut(text.mid(first.textStart(), first.textLength()));
        if (firstLineCut > std::max(0, cut(QStringLiteral("Hbdfhklt"))) + 2 &&
            label->alignment().testFlag(Qt::AlignTop)) {
            needed.adjust(0, 0, 0, box.height());
        }
    } else {
        // The turn line widens around its centre as far as the title word and the
        // window's edge allow.
        const QWidget* title = widget.parentWidget()->findChild<QWidget*>(QStringLiteral("Label9"));
        const int centre = widget.geometry().center().x();
        const int half = std::min(centre - title->geometry().right(), widget.parentWidget()->width() - centre);
        box = QRect(0, 0, 2 * half, box.height());
        needed = QRect(0, 0, widget.fontMetrics().horizontalAdvance(text), widget.fontMetrics().height());
    }
    if (needed.width() <= box.width() && needed.height() <= box.height()) {
        return {};
    }
    return QStringLiteral("%1 \"%2\" needs %3x%4 in %5x%6")
        .arg(widget.objectName(), text)
        .arg(needed.width())
        .arg(needed.height())
        .arg(box.width())
        .arg(box.height());
}

class Languages : public ScreenTest, public ::testing::WithParamInterface<const char*> {
protected:
    Languages()
    {
        const QString language = QString::fromLatin1(GetParam());
        if (language != QLatin1String("en")) { // the game's own language needs no translation
            EXPECT_TRUE(translator.load(QStringLiteral(":/i18n/zorbitan_") + language));
            QCoreApplication::installTranslator(&translator);
        }
    }
    ~Languages() override { QCoreApplication::removeTranslator(&translator); }

    QTranslator translator;
};

// Marks every text that passes through translation, so one that does not stands out.
class Marker : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override
    {
        return QStringLiteral("\u00AB%1\u00BB").arg(QString::fromUtf8(source));
    }
    bool isEmpty() const override { return false; }
};
} // namespace

TEST_P(Languages, EveryTextFitsItsBox)
{
    QStringList problems;
    const auto check = [&](const QWidget& widget, const QString& text) {
        if (const QString problem = text.isEmpty() ? QString() : overflow(widget, text); !problem.isEmpty()) {
            problems << problem;
        }
    };
    for (QWidget* screen : openEveryScreen(navigator)) {
        for (const QLabel* label : screen->findChildren<QLabel*>()) {
            check(*label, label->text());
        }
        for (const QCheckBox* box : screen->findChildren<QCheckBox*>()) {
            check(*box, box->text());
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
    EXPECT_TRUE(problems.isEmpty()) << problems.join(QLatin1Char('\n')).toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryLanguage, Languages, ::testing::Values("en", "fr", "de", "es"));

// Only numbers, sums, the game's name and its web address read the same in every
// language; every other text, read or heard, goes through translation.
TEST_F(ScreenTest, NoTextEscapesTranslation)
{
    Marker marker;
    QCoreApplication::installTranslator(&marker);
    const QRegularExpression sameEverywhere(QStringLiteral("^([0-9 x\u00F7]*|X|ZORBITAN|zorbitan\\.example\\.org)$"));
    QStringList untranslated;
    for (QWidget* screen : openEveryScreen(navigator)) {
        for (const QWidget* widget : screen->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<const QLabel*>(widget);
            const auto* box = qobject_cast<const QCheckBox*>(widget);
            for (const QString& text : {label != nullptr ? label->text()
                                        : box != nullptr ? box->text()
                                                         : QString(),
                                        widget->accessibleName()}) {
                if (!text.startsWith(QChar(0x00AB)) && !sameEverywhere.match(text).hasMatch()) {
                    untranslated << widget->objectName() + QStringLiteral(": ") + text;
                }
            }
        }
    }
    QCoreApplication::removeTranslator(&marker);
    EXPECT_TRUE(untranslated.isEmpty()) << untranslated.join(QLatin1Char('\n')).toStdString();
}
