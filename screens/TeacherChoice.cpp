// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "TeacherChoice.h"

#include "CardChoiceSettings.h"
#include "Cards.h"
#include "Fandlerules.h"
#include "QtConversions.h"
#include "ScreenScale.h"
#include "ScreenStyle.h"
#include "WindowServices.h"
#include "layout/Layouts.h"
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
} // namespace

TeacherChoice::TeacherChoice(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setUp(TeacherChoiceLayout);
    connect(control<ClickLabel>(QStringLiteral("Label3_0")), &ClickLabel::clicked, this, [this] { Label3_Click(); });
    for (int level = 1; level <= 2; ++level) {
        levelBoxes_.at(level - 1) = findTablesBoxes(level);
    }
    for (int kind = 0; kind < factKindCount; ++kind) {
        const int cards = static_cast<int>(level3CardsOf(FactKinds().set(static_cast<std::size_t>(kind))).size());
        auto* box = control<QCheckBox>(QStringLiteral("Check5_%1").arg(kind));
        showWords(*box, tr("%1 (%2 cards)").arg(kindNamed(kind)).arg(cards));
        box->setAccessibleName(box->text());
        box->installEventFilter(this);
        connect(box, &QCheckBox::clicked, this, [this, box] { boxClicked(box); });
        kindBoxes_.at(kind) = box;
    }
    cards_ = control<QLabel>(QStringLiteral("Label6"));
    connect(control<ClickLabel>(QStringLiteral("Label4")), &ClickLabel::clicked, this, [this] { Label4_Click(); });
    why_ = control<QLabel>(QStringLiteral("Label2"));
}

TeacherChoice::TablesBoxes TeacherChoice::findTablesBoxes(int level)
{
    TablesBoxes boxes;
    for (int table = 1; table <= highestTable; ++table) {
        auto* box = control<QCheckBox>(QStringLiteral("Check%1_%2").arg(2 * level - 1).arg(table));
        box->setAccessibleName(tr("Level %1, the %2 times table").arg(level).arg(table));
        connect(box, &QCheckBox::clicked, this, [this, box] { boxClicked(box); });
        boxes.tables.at(table - 1) = box;
    }
    boxes.divisions = control<QCheckBox>(QStringLiteral("Check%1").arg(2 * level));
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
        showWords(*why_, tr("The administrator of this computer has set these choices for every user."));
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
    control(QStringLiteral("Label4"))->setEnabled(!locked_);
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
    showWords(*cards_, tr("The cards of %1: %2.").arg(kindNamed(kind), words.join(QStringLiteral("; "))));
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
        showWords(*why_, tr("Every level needs at least one times table or kind of fact to deal its cards."));
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
