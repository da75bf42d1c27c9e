// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Titlefrm.h"

#include "Grey.h"
#include "SavedGame.h"
#include "ScreenScale.h"
#include "ScreenStyle.h"
#include "Startplay2.h"
#include "WindowServices.h"
#include "fan1.h"
#include "layout/Layouts.h"
#include "widgets/ClickLabel.h"

namespace zorbitan {

namespace {
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
    setUp(TitlefrmLayout);
    Picture1_ = control<ClickLabel>(QStringLiteral("Picture1"));
    Picture1_->setAccessibleName(tr("Zorbitan: start a new game"));
    Label5_ = control<ButtonLabel>(QStringLiteral("Label5"));
    Label5_->setFocus(); // Enter starts a new game

    connect(Label5_, &ClickLabel::clicked, this, [this] { Label5_Click(); });
    connect(Picture1_, &ClickLabel::clicked, this, [this] { Label5_Click(); });
    connect(control<ClickLabel>(QStringLiteral("Label6")), &ClickLabel::clicked, this, [this] { Label6_Click(); });
    connect(control<ClickLabel>(QStringLiteral("Label7")), &ClickLabel::clicked, this, [this] { Label7_Click(); });
}

void Titlefrm::Form_Load()
{
    centreAtOwnSize(*this);
    shared().soundon = 1;
    if (!loadPicture(*Picture1_, workingFolder(), "Images\\zorbitanmd.bmp")) {
        // Without its picture the title takes the standard size; the red frame grows
        // with it so no bare grey shows.
        centreform();
        const int frameTop = TitlefrmLayout.row("Frame1").place.top;
        place(*control(QStringLiteral("Frame1")),
              {0, frameTop, standardClientWidthTwips, standardClientHeightTwips - frameTop});
    }
}

void Titlefrm::readOkAsCancel() { showWords(*Label5_, tr("Cancel")); }

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
