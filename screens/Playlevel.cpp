// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Playlevel.h"

#include "QtConversions.h"
#include "ScreenScale.h"
#include "Titlefrm.h"
#include "WindowServices.h"
#include "fan1.h"
#include "layout/Layouts.h"
#include "widgets/Accessibility.h"
#include "widgets/ClickLabel.h"
#include "widgets/ControlSync.h"

namespace zorbitan {

namespace {
// A row's controls by group, and what they read as to a screen reader.
struct PlayerRow {
    const char* squaresGroup;
    const char* spoken;      // the colour block: "Blue"
    const char* level;       // a level square: "Blue, Level %1"
    const char* chosenLevel; // the square marked: "Blue, Level %1, chosen"
};

constexpr PlayerRow rows[] = {
    {"Label7", QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Blue"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Blue, Level %1"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Blue, Level %1, chosen")},
    {"Label9", QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Red"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Red, Level %1"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Red, Level %1, chosen")},
    {"Label10", QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Green"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Green, Level %1"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Green, Level %1, chosen")},
    {"Label11", QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Yellow"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Yellow, Level %1"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Yellow, Level %1, chosen")},
};

// The levels' colours on their squares.
constexpr Rgb levelSquareFills[] = {colours::yellow, fromBgrValue(0x00C000C0), colours::blue};

const QString mark = QStringLiteral("X");
} // namespace

Playlevel::Playlevel(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setUp(PlaylevelLayout);
    // A heading one word long: in a language whose word is a little wider, its box grows
    // around its centre into the space before the next one.
    growToFit(*control<QLabel>(QStringLiteral("Label6_3")));
    for (int member = 0; member < 3; ++member) {
        showWords(*control(QStringLiteral("Label6_%1").arg(member)), translated(levelStyle(member + 1)->levelCaption));
    }
    for (int player = 0; player < maxPlayers; ++player) {
        findPlayerRow(player);
    }
    auto* ok = control<ClickLabel>(QStringLiteral("Label8_0"));
    ok->setFocus(); // Enter plays at the levels shown
    connect(ok, &ClickLabel::clicked, this, [this] { Label8_Click(); });
    connect(control<ClickLabel>(QStringLiteral("Label3_0")), &ClickLabel::clicked, this, [this] { Label3_Click(); });
}

// A colour block with the colour's name over it, and the three level squares.
void Playlevel::findPlayerRow(int player)
{
    const PlayerRow& row = rows[player];
    ButtonLabel* block = control<ButtonLabel>(QStringLiteral("Label1_%1").arg(player));
    block->setBoxColours(toQColor(playerAtIndex(player).colour), Qt::black);
    block->setFocusPolicy(Qt::NoFocus); // a colour, not a button
    block->setAccessibleName(tr(row.spoken));
    block->hide();
    Label1_[player] = block;

    QLabel* name = control<QLabel>(QStringLiteral("Label12_%1").arg(player));
    name->setAttribute(Qt::WA_TransparentForMouseEvents);
    name->setVisible(player == 0);
    Label12_[player] = name;

    for (int member = 0; member < 3; ++member) {
        auto* square =
            control<ButtonLabel>(QStringLiteral("%1_%2").arg(QString::fromLatin1(row.squaresGroup)).arg(member));
        square->setBoxColours(toQColor(levelSquareFills[member]), Qt::black);
        square->setVisible(player == 0);
        connect(square, &ClickLabel::clicked, this, [this, player, member] { levelSquareClick(player, member); });
        squares_[player][member] = square;
    }
    nameLevelSquares(player);
}

// "Blue, Level 3, chosen": the "X" itself means nothing read aloud.
void Playlevel::nameLevelSquares(int player)
{
    for (int member = 0; member < 3; ++member) {
        ButtonLabel& square = *squares_[player][member];
        const char* name = square.text() == mark ? rows[player].chosenLevel : rows[player].level;
        setAccessibleNameIfChanged(square, tr(name).arg(member + 1));
    }
}

void Playlevel::Form_Load()
{
    centreAtOwnSize(*this);
    const int players = shared().numberofplayers;
    for (int player = 0; player < maxPlayers; ++player) {
        const bool taking = player < players;
        Label1_[player]->setVisible(taking);
        Label12_[player]->setVisible(player == 0 || taking);
        for (ButtonLabel* square : squares_[player]) {
            square->setVisible(player == 0 || taking);
        }
    }
    for (int p = 1; p <= maxPlayers; ++p) {
        shared().playerlevel.at(static_cast<std::size_t>(p)) = highestLevel;
    }
}

void Playlevel::levelSquareClick(int player, int member)
{
    for (ButtonLabel* square : squares_[player]) {
        showWords(*square, QString());
    }
    showWords(*squares_[player][member], mark);
    nameLevelSquares(player);
    shared().playerlevel.at(static_cast<std::size_t>(player) + 1) = static_cast<Integer>(member + 1);
}

void Playlevel::Label8_Click()
{
    navigator().show<fan1>();
    navigator().close<Playlevel>();
}

void Playlevel::Label3_Click()
{
    navigator().show<Titlefrm>();
    navigator().close<Playlevel>();
}

} // namespace zorbitan
