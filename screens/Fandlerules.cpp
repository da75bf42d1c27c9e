// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fandlerules.h"

#include "Fonts.h"
#include "ScreenStyle.h"
#include "WindowServices.h"
#include "widgets/ClickLabel.h"

#include <algorithm>

namespace zorbitan {

namespace {
enum class Weight { Plain, Bold };

struct RulesText {
    int member; // of the label group Label1
    const char* text;
    TwipRect rect;
    Weight weight;
};

const RulesText texts[] = {
    {1, QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "THE RULES"), {120, 600, 1395, 285}, Weight::Bold},
    {2,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules",
                       "Players take turns to select a card. The card shows a mathematical problem whose answer is a "
                       "number between 1 and 100. The problem may have more than one answer."),
     {120, 960, 11535, 645},
     Weight::Plain},
    {3,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules",
                       "The player clicks a number on the board. If the number is a correct answer to the problem, a "
                       "counter will be placed on the number, replacing any counter already placed on that number. If "
                       "the answer is wrong the turn passes to the next player."),
     {120, 1680, 11415, 1005},
     Weight::Plain},
    {4,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules",
                       "The first player to have three counters in a row: horizontally, vertically or diagonally, wins "
                       "the game."),
     {120, 2640, 11655, 525},
     Weight::Plain},
    {9, QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "QUESTION BANDS"), {120, 3240, 2190, 285}, Weight::Bold},
    {5, QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "Level 1 - Yellow band"), {120, 3660, 5535, 405}, Weight::Bold},
    {15, "", {120, 3960, 5655, 285}, Weight::Plain}, // Level 1's tables

    {8, QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "Level 2 - Purple band"), {120, 4440, 5175, 405}, Weight::Bold},
    {11, "", {120, 4740, 5415, 525}, Weight::Plain}, // Level 2's tables

    {13, QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "Level 3 - Blue band"), {120, 5280, 5415, 405}, Weight::Bold},
    {14, QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* prime numbers"), {120, 5640, 4335, 405}, Weight::Plain},
    {6, QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* factors"), {120, 6000, 4335, 405}, Weight::Plain},
    {10, QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* multiples"), {120, 6360, 4335, 405}, Weight::Plain},
    {12,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* square numbers and square roots"),
     {120, 6720, 4335, 405},
     Weight::Plain},
    {16, QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* odd and even numbers"), {120, 7080, 4335, 405}, Weight::Plain},
    {17,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* greater than and less than"),
     {120, 7440, 4335, 405},
     Weight::Plain},
    {18,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* numbers to the nearest ten"),
     {120, 7800, 4335, 405},
     Weight::Plain},
    {19,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules",
                       "Players can decide which band to use according to their age and ability."),
     {120, 8400, 8055, 525},
     Weight::Plain},
};

// The Level 3 lines, one for each kind of fact in the order of the kinds; the chosen
// kinds fill them from the top.
constexpr int factLines[factKindCount] = {14, 6, 10, 12, 16, 17, 18};

// The words of a line of the rules as designed.
const char* designedWords(int member) { return std::ranges::find(texts, member, &RulesText::member)->text; }

// How the rules name a choice of tables: "2, 5 and 10", a run of three or more as "1 to 4".
QString tablesNamed(const TablesChoice& choice)
{
    QStringList parts;
    const std::vector<int> tables = choice.chosen();
    for (std::size_t at = 0, end = 0; at < tables.size(); at = ++end) {
        while (end + 1 < tables.size() && tables[end + 1] == tables[end] + 1) {
            ++end;
        }
        parts << (end - at >= 2 ? Fandlerules::tr("%1 to %2").arg(tables[at]).arg(tables[end])
                                : QString::number(tables[at]));
        end = end - at >= 2 ? end : at;
    }
    const QString last = parts.takeLast();
    return parts.isEmpty() ? last : Fandlerules::tr("%1 and %2").arg(parts.join(QStringLiteral(", ")), last);
}
} // namespace

QString Fandlerules::tablesLine(int level, const TablesChoice& choice)
{
    if (level == 1 && choice == CardChoice{}.level1) {
        return tr("2, 5 and 10 times tables and simple divisions.");
    }
    if (choice.tables.all()) {
        return choice.divisions ? tr("Times tables up to 10 x 10 and divisions.") : tr("Times tables up to 10 x 10.");
    }
    if (choice.tables.count() == 1) {
        return (choice.divisions ? tr("The %1 times table and divisions.") : tr("The %1 times table."))
            .arg(tablesNamed(choice));
    }
    return (choice.divisions ? tr("%1 times tables and divisions.") : tr("%1 times tables.")).arg(tablesNamed(choice));
}

Fandlerules::Fandlerules(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setWindowTitle(QStringLiteral(" "));
    setObjectName(QStringLiteral("Fandlerules"));
    setAccessibleName(tr("Zorbitan: the rules"));
    paintBackground(*this, colours::red);
    createControls();
}

void Fandlerules::createControls()
{
    addLabel(this, "Label1_0", tr("The Rules of Zorbitan"), {0, 120, 12000, 360}, arial(15.75));
    auto* exit = addButton(this, "Label3_0", tr("Exit"), {11160, 60, 735, 375}, arial(12.75));
    connect(exit, &ClickLabel::clicked, this, [this] { Label3_Click(); });
    for (const RulesText& text : texts) {
        QLabel* label =
            addLabel(this, qPrintable(QStringLiteral("Label1_%1").arg(text.member)),
                     *text.text != '\0' ? tr(text.text) : QString(), text.rect, arial(12, text.weight == Weight::Bold));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    showDealt();
    Image1_ = new QLabel(this);
    Image1_->setObjectName(QStringLiteral("Image1"));
    Image1_->setAccessibleName(tr("The Zorbitan board"));
    place(*Image1_, {5880, 3600, 2835, 3525});
}

// The level lines for the choice the game deals from now.
void Fandlerules::showDealt()
{
    const CardChoice& dealt = shared().cardchoice;
    findChild<QLabel*>(QStringLiteral("Label1_15"))->setText(tablesLine(1, dealt.level1));
    findChild<QLabel*>(QStringLiteral("Label1_11"))->setText(tablesLine(2, dealt.level2));
    const auto factLine = [this](int line) {
        return findChild<QLabel*>(QStringLiteral("Label1_%1").arg(factLines[line]));
    };
    int line = 0;
    for (int kind = 0; kind < factKindCount; ++kind) {
        if (dealt.level3.test(static_cast<std::size_t>(kind))) {
            QLabel* shown = factLine(line++);
            shown->setText(tr(designedWords(factLines[kind])));
            shown->show();
        }
    }
    for (; line < factKindCount; ++line) {
        factLine(line)->hide();
    }
}

// Without its picture the page still opens, with the words alone.
void Fandlerules::Form_Load()
{
    centreform();
    if (loadPicture(*Image1_, workingFolder(), "images\\zorbitanmd.bmp")) {
        // The label takes the picture's own size.
        const QSize own = designedPictureSize(*Image1_);
        place(*Image1_, {5880, 3600, pixelsToTwips(own.width()), pixelsToTwips(own.height())});
    }
}

void Fandlerules::Label3_Click()
{
    navigator().close<Fandlerules>();
    play(sounds::click);
}

// The window's own close button does what "Exit" does, without the click.
bool Fandlerules::closedByPlayer()
{
    navigator().forget(this);
    return true;
}

} // namespace zorbitan
