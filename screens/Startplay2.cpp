// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Startplay2.h"

#include "Fandlerules.h"
#include "Fonts.h"
#include "Playlevel.h"
#include "Publisher.h"
#include "QtConversions.h"
#include "ScreenStyle.h"
#include "TeacherChoice.h"
#include "Titlefrm.h"
#include "WindowServices.h"
#include "fan1.h"
#include "widgets/ClickLabel.h"

#include <QCheckBox>
#include <QWindow>
#include <array>

namespace zorbitan {

Startplay2::Startplay2(ScreenNavigator& navigator) : GameWindow(navigator)
{
    setWindowTitle(QStringLiteral(" "));
    setObjectName(QStringLiteral("Startplay2"));
    setAccessibleName(tr("Zorbitan: choose the number of players"));
    paintBackground(*this, colours::red);
    setDesignedSize(5580, 6570);
    createControls();
}

void Startplay2::createControls()
{
    addLabel(this, "Label4", QStringLiteral("ZORBITAN"), {120, 240, 5355, 1095}, tahoma(39.75));
    auto* rules = addButton(this, "Label6", tr("The Rules"), {720, 1440, 1935, 435}, arial(15.75));
    auto* logo = new QLabel(this);
    logo->setObjectName(QStringLiteral("Image2"));
    logo->setAccessibleName(tr("Zorbitan logo"));
    place(*logo, {3600, 1440, 1500, 2085});
    Check1_ = addCheckBox(this, "Check1", tr("Play Sound"), {720, 2040, 1695, 375}, arial(12));
    Check1_->setChecked(true);
    auto* teachers = addButton(this, "Label7", tr("For Teachers"), {720, 2640, 2760, 435}, arial(15.75));
    Check3_ = addCheckBox(this, "Check3", tr("Hide Desktop"), {720, 3900, 1935, 375}, arial(12));
    Check3_->setChecked(true);
    Check3_->hide();
    auto* heading =
        addClickLabel(this, "Label2_0", tr("Select Number of Players"), {240, 4440, 5160, 600}, arial(20.25));
    static const std::array<const char*, maxPlayers> players{QT_TR_NOOP("1 player"), QT_TR_NOOP("2 players"),
                                                             QT_TR_NOOP("3 players"), QT_TR_NOOP("4 players")};
    for (int i = 0; i < maxPlayers; ++i) {
        const QString name = QStringLiteral("Label1_%1").arg(i);
        auto* number =
            addButton(this, qPrintable(name), QString::number(i + 1), {720 + i * 1110, 5040, 855, 735}, tahoma(26.25));
        number->setAccessibleName(tr(players.at(static_cast<std::size_t>(i))));
        connect(number, &ClickLabel::clicked, this, [this, i] { Label1_Click(i); });
    }
    auto* address =
        addButton(this, "Label2_12", toQString(publisher::webAddressShown), {720, 5940, 3315, 375}, tahoma(12));
    auto* exit = addButton(this, "Label3_0", tr("Exit"), {4680, 5940, 735, 375}, arial(12.75));
    addLabel(this, "Label5", translated(publisher::notice), {0, 6360, 5535, 255}, arial(8.25, false));

    connect(rules, &ClickLabel::clicked, this, [this] { Label6_Click(); });
    connect(teachers, &ClickLabel::clicked, this, [this] { Label7_Click(); });
    connect(Check1_, &QCheckBox::clicked, this, [this] { Check1_Click(); });
    connect(Check3_, &QCheckBox::clicked, this, [this] { Check3_Click(); });
    connect(heading, &ClickLabel::clicked, this, [this] { Label2_Click(); });
    connect(address, &ClickLabel::clicked, this, [this] { Label2_Click(); });
    connect(exit, &ClickLabel::clicked, this, [this] { Label3_Click(); });
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
    if (!loadPicture(*findChild<QLabel*>(QStringLiteral("Image2")), workingFolder(), "Images\\logo2.jpg")) {
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
