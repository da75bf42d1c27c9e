// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeacherChoice.h"

#include "CardChoiceSettings.h"
#include "Cards.h"
#include "Fandlerules.h"
#include "Fonts.h"
#include "QtConversions.h"
#include "ScreenStyle.h"
#include "WindowServices.h"
#include "widgets/ClickLabel.h"

#include <QCheckBox>
#include <QEvent>

namespace zorbitan {

namespace {
// The kinds of fact as the rules name them, in the order of the kinds.
constexpr const char* kindWords[factKindCount] = {
    QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* prime numbers"),
    QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* factors"),
    QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* multiples"),
    QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* square numbers and square roots"),
    QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* odd and even numbers"),
    QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* greater than and less than"),
    QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* numbers to the nearest ten"),
};

QString kindNamed(int kind) { return QCoreApplication::translate("zorbitan::Fandlerules", kindWords[kind]).mid(2); }

constexpr int tablesTop[2] = {1080, 2520};
constexpr int kindsTop = 4200;
constexpr int lineHeight = 420;
} // namespace

TeacherChoice::TeacherChoice(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setWindowTitle(QStringLiteral(" "));
    setObjectName(QStringLiteral("TeacherChoice"));
    setAccessibleName(tr("Zorbitan: choose the cards each level deals"));
    paintBackground(*this, colours::red);
    createControls();
}

void TeacherChoice::createControls()
{
    addLabel(this, "Label1", tr("For Teachers: the Cards Each Level Deals"), {0, 120, 12000, 360}, arial(15.75));
    auto* exit = addButton(this, "Label3_0", tr("Exit"), {11160, 60, 735, 375}, arial(12.75));
    connect(exit, &ClickLabel::clicked, this, [this] { Label3_Click(); });
    const char* headings[] = {QT_TR_NOOP("Level 1 – Yellow band: times tables"),
                              QT_TR_NOOP("Level 2 – Purple band: times tables"),
                              QT_TR_NOOP("Level 3 – Blue band: number facts")};
    const int headingTops[] = {tablesTop[0] - 420, tablesTop[1] - 420, kindsTop - 420};
    for (int level = 0; level < 3; ++level) {
        addLabel(this, qPrintable(QStringLiteral("Label5_%1").arg(level + 1)), tr(headings[level]),
                 {120, headingTops[level], 11700, 405}, arial(12))
            ->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    for (int level = 1; level <= 2; ++level) {
        levelBoxes_.at(level - 1) = addTablesBoxes(level, tablesTop[level - 1]);
    }
    for (int kind = 0; kind < factKindCount; ++kind) {
        const int cards = static_cast<int>(level3CardsOf(FactKinds().set(static_cast<std::size_t>(kind))).size());
        QCheckBox* box = addCheckBox(this, qPrintable(QStringLiteral("Check5_%1").arg(kind)),
                                     tr("%1 (%2 cards)").arg(kindNamed(kind)).arg(cards),
                                     {120, kindsTop + kind * lineHeight, 6000, 375}, arial(12));
        box->setAccessibleName(box->text());
        box->installEventFilter(this);
        connect(box, &QCheckBox::clicked, this, [this, box] { boxClicked(box); });
        kindBoxes_.at(kind) = box;
    }
    cards_ = addLabel(this, "Label6", QString(), {6360, kindsTop, 5520, 3600}, arial(9.75, false));
    cards_->setWordWrap(true);
    cards_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* design = addButton(this, "Label4", tr("Back to the design"), {120, 7320, 3600, 435}, arial(12.75));
    connect(design, &ClickLabel::clicked, this, [this] { Label4_Click(); });
    why_ = addLabel(this, "Label2", QString(), {120, 7920, 11700, 855}, arial(12, false));
    why_->setWordWrap(true);
    why_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

TeacherChoice::TablesBoxes TeacherChoice::addTablesBoxes(int level, int top)
{
    TablesBoxes boxes;
    for (int table = 1; table <= highestTable; ++table) {
        QCheckBox* box = addCheckBox(this, qPrintable(QStringLiteral("Check%1_%2").arg(2 * level - 1).arg(table)),
                                     QString::number(table), {120 + (table - 1) * 840, top, 780, 375}, arial(12));
        box->setAccessibleName(tr("Level %1, the %2 times table").arg(level).arg(table));
        connect(box, &QCheckBox::clicked, this, [this, box] { boxClicked(box); });
        boxes.tables.at(table - 1) = box;
    }
    boxes.divisions = addCheckBox(this, qPrintable(QStringLiteral("Check%1").arg(2 * level)), tr("Divisions"),
                                  {8640, top, 3000, 375}, arial(12));
    boxes.divisions->setAccessibleName(tr("Level %1, divisions").arg(level));
    connect(boxes.divisions, &QCheckBox::clicked, this,
            [this, level] { boxClicked(levelBoxes_.at(level - 1).divisions); });
    return boxes;
}

void TeacherChoice::Form_Load()
{
    centreform();
    locked_ = readCardChoice().locked;
    if (locked_) {
        why_->setText(tr("The administrator of this computer has set these choices for every user."));
    }
    showChoice();
    showCardsOf(0);
}

// The boxes show the choice the game deals from.
void TeacherChoice::showChoice()
{
    const CardChoice& choice = shared().cardchoice;
    for (int level = 0; level < 2; ++level) {
        const TablesChoice& tables = level == 0 ? choice.level1 : choice.level2;
        for (int table = 1; table <= highestTable; ++table) {
            levelBoxes_.at(level).tables.at(table - 1)->setChecked(tables.has(table));
        }
        levelBoxes_.at(level).divisions->setChecked(tables.divisions);
    }
    for (int kind = 0; kind < factKindCount; ++kind) {
        kindBoxes_.at(kind)->setChecked(choice.level3.test(static_cast<std::size_t>(kind)));
    }
    for (QCheckBox* box : findChildren<QCheckBox*>()) {
        box->setEnabled(!locked_);
    }
    findChild<QWidget*>(QStringLiteral("Label4"))->setEnabled(!locked_);
}

// The cards of a kind of fact, when the pointer or the keyboard comes to its box.
bool TeacherChoice::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Enter || event->type() == QEvent::FocusIn) {
        const auto* found = std::ranges::find(kindBoxes_, watched);
        if (found != kindBoxes_.end()) {
            showCardsOf(static_cast<int>(found - kindBoxes_.begin()));
        }
    }
    return GameWindow::eventFilter(watched, event);
}

void TeacherChoice::showCardsOf(int kind)
{
    QStringList words;
    for (const int number : level3CardsOf(FactKinds().set(static_cast<std::size_t>(kind)))) {
        words << translated(level3Cards()[static_cast<std::size_t>(number - 1)].text);
    }
    cards_->setText(tr("The cards of %1: %2.").arg(kindNamed(kind), words.join(QStringLiteral("; "))));
}

// A tick is the choice at once, unless it would leave a level without a card.
void TeacherChoice::boxClicked(QCheckBox* box)
{
    play(sounds::click1);
    CardChoice choice;
    for (int level = 0; level < 2; ++level) {
        TablesChoice& tables = level == 0 ? choice.level1 : choice.level2;
        for (int table = 1; table <= highestTable; ++table) {
            tables.set(table, levelBoxes_.at(level).tables.at(table - 1)->isChecked());
        }
        tables.divisions = levelBoxes_.at(level).divisions->isChecked();
    }
    for (int kind = 0; kind < factKindCount; ++kind) {
        choice.level3.set(static_cast<std::size_t>(kind), kindBoxes_.at(kind)->isChecked());
    }
    if (!dealsEveryLevel(choice)) {
        box->setChecked(true);
        why_->setText(tr("Every level needs at least one times table or kind of fact to deal its cards."));
        return;
    }
    why_->clear();
    shared().cardchoice = choice;
    keepCardChoice(choice);
    showOnTheRules();
}

// The rules, when they are open too, say at once what is dealt.
void TeacherChoice::showOnTheRules()
{
    if (Fandlerules* rules = navigator().find<Fandlerules>()) {
        rules->showDealt();
    }
}

void TeacherChoice::Label3_Click()
{
    navigator().close<TeacherChoice>();
    play(sounds::click);
}

void TeacherChoice::Label4_Click()
{
    play(sounds::click);
    shared().cardchoice = CardChoice{};
    keepCardChoice(shared().cardchoice);
    why_->clear();
    showChoice();
    showOnTheRules();
}

// The window's own close button does what "Exit" does, without the click.
bool TeacherChoice::closedByPlayer()
{
    navigator().forget(this);
    return true;
}

} // namespace zorbitan
