// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Titlefrm.h"

#include "Fonts.h"
#include "Grey.h"
#include "Publisher.h"
#include "QtConversions.h"
#include "SavedGame.h"
#include "ScreenStyle.h"
#include "Startplay2.h"
#include "WindowServices.h"
#include "fan1.h"
#include "widgets/ClickLabel.h"

#include <QFrame>

namespace zorbitan {

namespace {
constexpr int frameTop = -90; // the red frame reaches above the client area

// A saved game keeps no levels: a player with none chosen in this run plays at
// Level 3, as the level screen would have offered.
void giveUnchosenLevelsTheDefault(Module1& shared)
{
    for (int p = 1; p <= maxPlayers; ++p) {
        if (!isLevel(shared.playerlevel.at(static_cast<std::size_t>(p)))) {
            shared.playerlevel.at(static_cast<std::size_t>(p)) = highestLevel;
        }
    }
}
} // namespace

Titlefrm::Titlefrm(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setWindowTitle(QStringLiteral(" "));
    setObjectName(QStringLiteral("Titlefrm"));
    setAccessibleName(tr("Zorbitan: start"));
    // The red frame covers the window; the margins of a window of another shape are red too.
    paintBackground(*this, colours::red);
    createControls();
}

void Titlefrm::createControls()
{
    // The red frame covers the grey window; the controls lie over it.
    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    paintBackground(*frame, colours::red);
    place(*frame, {0, frameTop, 5595, 6660});

    addLabel(this, "Label4", QStringLiteral("ZORBITAN"), {120, 120, 5355, 1095}, tahoma(39.75));
    Picture1_ = new ClickLabel(this);
    Picture1_->setObjectName(QStringLiteral("Picture1"));
    place(*Picture1_, {360, 1560, 4800, 3600});
    Picture1_->setAccessibleName(tr("Zorbitan: start a new game"));
    auto* restart = addButton(this, "Label6", tr("Restart Previous Game"), {720, 5280, 3975, 435}, arial(15.75));
    Label5_ = addButton(this, "Label5", tr("OK"), {1320, 5880, 1335, 435}, arial(15.75));
    auto* exit = addButton(this, "Label7", tr("Exit"), {2760, 5880, 1335, 435}, arial(15.75));
    addLabel(this, "Label2", translated(publisher::notice), {0, 6420, 5535, 255}, arial(8.25, false));

    Label5_->setFocus(); // Enter starts a new game

    connect(Label5_, &ClickLabel::clicked, this, [this] { Label5_Click(); });
    connect(Picture1_, &ClickLabel::clicked, this, [this] { Label5_Click(); });
    connect(restart, &ClickLabel::clicked, this, [this] { Label6_Click(); });
    connect(exit, &ClickLabel::clicked, this, [this] { Label7_Click(); });
}

void Titlefrm::Form_Load()
{
    setDesignedSize(5580, 6570);
    centreAtOwnSize(*this);
    shared().soundon = 1;
    if (!loadPicture(*Picture1_, workingFolder(), "Images\\zorbitanmd.bmp")) {
        // Without its picture the title takes the standard size; the red frame grows
        // with it so no bare grey shows.
        centreform();
        place(*findChild<QFrame*>(QStringLiteral("Frame1")),
              {0, frameTop, standardClientWidthTwips, standardClientHeightTwips - frameTop});
    }
}

void Titlefrm::readOkAsCancel() { Label5_->setText(tr("Cancel")); }

// "OK", or a click on the picture: a new game.
void Titlefrm::Label5_Click()
{
    Module1& state = shared();
    state.restartgame = 0;
    for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
        state.boardowner[n] = 0;
    }
    state.hidedesktop = 1;
    navigator().show<Grey>();
    navigator().show<Startplay2>();
    navigator().close<Titlefrm>();
}

// "Restart Previous Game": a saved game that cannot be read leaves the title as it is.
void Titlefrm::Label6_Click()
{
    Module1& state = shared();
    if (!readSavedGame(state, savedGameToRestore(saveFolder(), workingFolder()))) {
        state.restartgame = 0;
        return;
    }
    giveUnchosenLevelsTheDefault(state);
    state.restartgame = 1;
    state.hidedesktop = 1;
    navigator().show<Grey>();
    navigator().show<fan1>();
    navigator().close<Titlefrm>();
    state.restartgame = 0;
}

void Titlefrm::Label7_Click() { navigator().endProgram(); }

} // namespace zorbitan
