// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Startplay2.h"

#include "Fandlerules.h"
#include "Playlevel.h"
#include "ScreenStyle.h"
#include "TeacherChoice.h"
#include "Titlefrm.h"
#include "WindowServices.h"
#include "fan1.h"
#include "layout/Layouts.h"
#include "widgets/ClickLabel.h"

#include <QCheckBox>
#include <QWindow>
#include <array>

namespace zorbitan {

Startplay2::Startplay2(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setUp(Startplay2Layout);
    control(QStringLiteral("Image2"))->setAccessibleName(tr("Zorbitan logo"));
    Check1_ = control<QCheckBox>(QStringLiteral("Check1"));
    Check1_->setChecked(true);
    Check3_ = control<QCheckBox>(QStringLiteral("Check3"));
    Check3_->setChecked(true);
    Check3_->hide();
    static const std::array<const char*, maxPlayers> players{QT_TR_NOOP("1 player"), QT_TR_NOOP("2 players"),
                                                             QT_TR_NOOP("3 players"), QT_TR_NOOP("4 players")};
    for (int i = 0; i < maxPlayers; ++i) {
        auto* number = control<ClickLabel>(QStringLiteral("Label1_%1").arg(i));
        number->setAccessibleName(tr(players.at(static_cast<std::size_t>(i))));
        connect(number, &ClickLabel::clicked, this, [this, i] { Label1_Click(i); });
    }
    const auto onClick = [this](const char* name, void (Startplay2::*step)()) {
        connect(control<ClickLabel>(QString::fromLatin1(name)), &ClickLabel::clicked, this, step);
    };
    onClick("Label6", &Startplay2::Label6_Click);
    onClick("Label7", &Startplay2::Label7_Click);
    onClick("Label2_0", &Startplay2::Label2_Click);
    onClick("Label2_12", &Startplay2::Label2_Click);
    onClick("Label3_0", &Startplay2::Label3_Click);
    connect(Check1_, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(Check3_, &QCheckBox::clicked, this, [this] { Check3_Click(); });
}

void Startplay2::Form_Load()
{
    if (!openingSteps()) {
        centreform();
    }
}

// The opening stops at the first step that fails; false then.
bool Startplay2::openingSteps()
{
    centreAtOwnSize(*this);
    if (!loadPicture(*control<QLabel>(QStringLiteral("Image2")), workingFolder(), "Images\\logo2.jpg")) {
        return false;
    }
    if (roomForBackdrop(displaySizeTwips())) {
        Check3_->show();
    }
    // Setting the tick is a change of the box like a click, and runs its click steps.
    const bool ticked = shared().hidedesktop != 0;
    if (Check3_->isChecked() != ticked) {
        Check3_->setChecked(ticked);
        Check3_Click();
    }
    return true;
}

void Startplay2::Check1_Click() { play(sounds::click1); }

void Startplay2::Check3_Click()
{
    play(sounds::click1);
    setBackdrop(Check3_->isChecked());
    navigator().show<Startplay2>();
}

// A number of players fixes the settings, clears the board and moves on to the levels.
void Startplay2::Label1_Click(int index)
{
    Module1& state = shared();
    navigator().close<fan1>();
    state.numberofplayers = static_cast<Integer>(index + 1);
    state.soundon = Check1_->isChecked() ? 1 : 0;
    state.boardowner.fill(0);
    navigator().show<Playlevel>();
    navigator().close<Fandlerules>();
    navigator().close<TeacherChoice>();
    navigator().close<Startplay2>();
    play(sounds::click);
}

void Startplay2::Label2_Click() { openWebPage(); }

void Startplay2::Label3_Click()
{
    navigator().close<TeacherChoice>();
    navigator().show<Titlefrm>();
    navigator().close<Startplay2>();
}

// The rules stand in front of this screen while they are open.
void Startplay2::Label6_Click()
{
    Fandlerules& rules = navigator().show<Fandlerules>();
    if (rules.windowHandle() != nullptr && windowHandle() != nullptr) {
        rules.windowHandle()->setTransientParent(windowHandle());
    }
    play(sounds::click);
}

// The teacher's screen stands in front of this screen while it is open.
void Startplay2::Label7_Click()
{
    TeacherChoice& teachers = navigator().show<TeacherChoice>();
    if (teachers.windowHandle() != nullptr && windowHandle() != nullptr) {
        teachers.windowHandle()->setTransientParent(windowHandle());
    }
    play(sounds::click);
}

} // namespace zorbitan
