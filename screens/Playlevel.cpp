// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Playlevel.h"

#include "Fonts.h"
#include "Publisher.h"
#include "QtConversions.h"
#include "ScreenScale.h"
#include "ScreenStyle.h"
#include "Titlefrm.h"
#include "WindowServices.h"
#include "fan1.h"
#include "widgets/Accessibility.h"
#include "widgets/ClickLabel.h"
#include "widgets/ControlSync.h"

namespace zorbitan {

namespace {
// A row's words: its name on the colour block, and what it reads as to a screen reader.
struct PlayerRow {
    const char* squaresGroup;
    int squaresTop;
    const char* name;
    TwipRect nameRect;
    Rgb nameColour;
    double namePoints;
    const char* spoken;      // the colour block: "Blue"
    const char* level;       // a level square: "Blue, Level %1"
    const char* chosenLevel; // the square marked: "Blue, Level %1, chosen"
};

constexpr PlayerRow rows[] = {
    {"Label7",
     2460,
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "BLUE"),
     {360, 2460, 855, 375},
     colours::yellow,
     14.25,
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Blue"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Blue, Level %1"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Blue, Level %1, chosen")},
    {"Label9",
     3300,
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "RED"),
     {360, 3300, 855, 375},
     colours::yellow,
     14.25,
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Red"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Red, Level %1"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Red, Level %1, chosen")},
    {"Label10",
     4140,
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "GREEN"),
     {360, 4170, 855, 375},
     colours::black,
     11.25,
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Green"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Green, Level %1"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Green, Level %1, chosen")},
    {"Label11",
     4980,
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "YELLOW"),
     {240, 5010, 1095, 375},
     colours::black,
     11.25,
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Yellow"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Yellow, Level %1"),
     QT_TRANSLATE_NOOP("zorbitan::Playlevel", "Yellow, Level %1, chosen")},
};

struct LevelSquare {
    int left;
    Rgb fill;
    Rgb caption;
};

constexpr LevelSquare levelSquares[] = {
    {1800, colours::yellow, colours::black},
    {3120, fromBgrValue(0x00C000C0), fromBgrValue(0x00E0E0E0)},
    {4440, colours::blue, fromBgrValue(0x00E0E0E0)},
};

constexpr int squareSide = 375;
const QString mark = QStringLiteral("X");
} // namespace

Playlevel::Playlevel(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setWindowTitle(QStringLiteral(" "));
    setObjectName(QStringLiteral("Playlevel"));
    setAccessibleName(tr("Zorbitan: choose each player's level"));
    paintBackground(*this, colours::red);
    setDesignedSize(5580, 6570);
    createControls();
}

void Playlevel::createControls()
{
    addLabel(this, "Label4", QStringLiteral("ZORBITAN"), {120, 240, 5355, 1095}, tahoma(39.75));
    addLabel(this, "Label2_0", tr("Select level for each player"), {0, 1260, 5520, 600}, arial(20.25));
    // A heading one word long: in a language whose word is a little wider, its box grows
    // around its centre into the space before the next one.
    growToFit(*addLabel(this, "Label6_3", tr("Player"), {240, 1860, 1110, 360}, arial(14.25), colours::black));
    constexpr int headingLefts[] = {1500, 2760, 4080};
    for (int member = 0; member < 3; ++member) {
        addLabel(this, qPrintable(QStringLiteral("Label6_%1").arg(member)),
                 translated(levelStyle(member + 1)->levelCaption), {headingLefts[member], 1860, 1110, 360},
                 arial(14.25), colours::black);
    }
    for (int player = 0; player < maxPlayers; ++player) {
        createPlayerRow(player);
    }
    auto* ok = addButton(this, "Label8_0", tr("OK"), {2160, 5760, 1335, 435}, arial(15.75));
    auto* exit = addButton(this, "Label3_0", tr("Exit"), {4680, 5940, 735, 375}, arial(12.75));
    addLabel(this, "Label5", translated(publisher::notice), {0, 6360, 5535, 255}, arial(8.25, false));
    ok->setFocus(); // Enter plays at the levels shown
    connect(ok, &ClickLabel::clicked, this, [this] { Label8_Click(); });
    connect(exit, &ClickLabel::clicked, this, [this] { Label3_Click(); });
}

// A colour block with the colour's name over it, and the three level squares.
void Playlevel::createPlayerRow(int player)
{
    const PlayerRow& row = rows[player];
    ButtonLabel* block = addButton(this, qPrintable(QStringLiteral("Label1_%1").arg(player)), QString(),
                                   {240, 2280 + player * 840, 1095, 735}, arial(12));
    block->setBoxColours(toQColor(playerAtIndex(player).colour), Qt::black);
    block->setFocusPolicy(Qt::NoFocus); // a colour, not a button
    block->setAccessibleName(tr(row.spoken));
    block->hide();
    Label1_[player] = block;

    QLabel* name = addLabel(this, qPrintable(QStringLiteral("Label12_%1").arg(player)), tr(row.name), row.nameRect,
                            tahoma(row.namePoints), row.nameColour);
    name->setAttribute(Qt::WA_TransparentForMouseEvents);
    name->setVisible(player == 0);
    Label12_[player] = name;

    for (int member = 0; member < 3; ++member) {
        const LevelSquare& look = levelSquares[member];
        const QString objectName = QStringLiteral("%1_%2").arg(QString::fromLatin1(row.squaresGroup)).arg(member);
        ButtonLabel* square =
            addButton(this, qPrintable(objectName), member == 2 ? mark : QString(),
                      {look.left, row.squaresTop, squareSide, squareSide}, arial(15.75), look.caption);
        square->setBoxColours(toQColor(look.fill), Qt::black);
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
        square->setText(QString());
    }
    squares_[player][member]->setText(mark);
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
