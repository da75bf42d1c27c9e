// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fan1.h"

#include "QtConversions.h"
#include "SavedGame.h"
#include "ScreenScale.h"
#include "Startplay2.h"
#include "Titlefrm.h"
#include "WindowServices.h"
#include "layout/Layouts.h"
#include "widgets/Accessibility.h"
#include "widgets/BoardKeyboard.h"
#include "widgets/ClickLabel.h"
#include "widgets/ControlSync.h"
#include "widgets/ShapeWidget.h"

#include <QCheckBox>
#include <QTimer>
#include <optional>

namespace zorbitan {

fan1::fan1(ScreenNavigator& navigator)
    : GameWindow(navigator),
      model_(navigator.context().shared, navigator.context().playwav, navigator.context().random),
      counterPictures_(navigator.context().workingFolder)
{
    setUp(fan1Layout);
    findControls();
    createTimers();
    connectClicks();
    setKeyboardOrder();
}

void fan1::Form_Load()
{
    centreform();
    handle([this] { model_.Form_Load(); });
}

void fan1::findControls()
{
    Shape2_ = control<ShapeWidget>(QStringLiteral("Shape2"));
    Shape4_ = control<ShapeWidget>(QStringLiteral("Shape4"));
    Label9_ = control<QLabel>(QStringLiteral("Label9"));
    Label2_ = control<QLabel>(QStringLiteral("Label2"));
    Label2_->setWordWrap(false);
    Label5_ = control<ButtonLabel>(QStringLiteral("Label5"));
    Label4_ = control<QLabel>(QStringLiteral("Label4"));
    Label7_ = control<QLabel>(QStringLiteral("Label7"));
    Label6_ = control<QLabel>(QStringLiteral("Label6"));
    Label11_ = control<QLabel>(QStringLiteral("Label11"));
    Label10_ = control<QLabel>(QStringLiteral("Label10"));
    Label8_ = control<QLabel>(QStringLiteral("Label8"));
    for (int index = 0; index < 2; ++index) {
        Label3_.at(index) = control<ButtonLabel>(QStringLiteral("Label3_%1").arg(index));
    }
    for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
        Shape1_[n] = control<ShapeWidget>(QStringLiteral("Shape1_%1").arg(n));
        Shape1_[n]->answerClicks();
        Label1_[n] = control<ClickLabel>(QStringLiteral("Label1_%1").arg(n));
        Image1_[n] = control<ClickLabel>(QStringLiteral("Image1_%1").arg(n));
    }
    boardKeys_ = new BoardKeyboard(*this, Label1_, Shape1_);
    Check3_ = control<QCheckBox>(QStringLiteral("Check3"));
    Check3_->setChecked(true);
}

// Tab goes from "Take a card" to the board, then "Exit", "New Game" and "Hide Desktop".
// The screen opens with "Take a card" ready for Enter.
void fan1::setKeyboardOrder()
{
    boardKeys_->placeInTabOrder(*Label5_, *Label3_[0]);
    setTabOrder(Label3_[0], Label3_[1]);
    setTabOrder(Label3_[1], Check3_);
    Label5_->setFocus();
}

void fan1::createTimers()
{
    for (int t = 1; t <= 5; ++t) {
        auto* timer = new QTimer(this);
        timer->setObjectName(QStringLiteral("Timer%1").arg(t));
        timer->setTimerType(Qt::PreciseTimer); // the win's klaxons keep their beat
        connect(timer, &QTimer::timeout, this, [this, t] { handle([&] { model_.tick(static_cast<GameTimer>(t)); }); });
        timers_[t] = timer;
    }
}

void fan1::connectClicks()
{
    connect(Label5_, &ClickLabel::clicked, this, [this] { handle([&] { model_.Label5_Click(); }); });
    for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
        // The number's label covers only the lower part of its square: a click anywhere
        // on the square answers with its number.
        connect(Label1_[n], &ClickLabel::clicked, this, [this, n] { handle([&] { model_.Label1_Click(n); }); });
        connect(Shape1_[n], &ShapeWidget::clicked, this, [this, n] { handle([&] { model_.Label1_Click(n); }); });
        connect(Image1_[n], &ClickLabel::clicked, this, [this, n] { handle([&] { model_.Image1_Click(n); }); });
    }
    for (int index = 0; index < 2; ++index) {
        connect(Label3_[index], &ClickLabel::clicked, this, [this, index] { Label3_Click(index); });
    }
    connect(Check3_, &QCheckBox::clicked, this, [this] { Check3_Click(); });
}

void fan1::refresh()
{
    const GameScreenControls& c = model_.controls();
    const QString turnLine = Label2_->text();
    const QString card = Label4_->text();
    const bool messageShown = Label10_->isVisibleTo(this);
    const bool takeCardHadFocus = Label5_->hasFocus();
    syncShape(*Shape2_, c.Shape2);
    syncShape(*Shape4_, c.Shape4);
    syncLabel(*Label9_, c.Label9, captions_);
    syncLabel(*Label2_, c.Label2, captions_);
    growToFit(*Label2_); // "YELLOW HAS WON!" is wider than the turn line's box
    syncLabel(*Label5_, c.Label5, captions_);
    syncLabel(*Label4_, c.Label4, captions_);
    placeCardFace();
    syncLabel(*Label7_, c.Label7, captions_);
    Label answers = c.Label6;
    answers.caption = translatedList(c.Label6.caption).toStdString();
    syncLabel(*Label6_, answers, captions_);
    syncLabel(*Label11_, c.Label11, captions_);
    syncLabel(*Label10_, c.Label10, captions_);
    syncLabel(*Label8_, c.Label8, captions_);
    syncLabel(*Label3_[0], c.Label3[0], captions_);
    syncLabel(*Label3_[1], c.Label3[1], captions_);
    for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
        syncShape(*Shape1_[n], c.Shape1[n]);
        syncLabel(*Label1_[n], c.Label1[n], captions_);
        refreshCounterPicture(n);
    }
    refreshTimers();
    refreshKeyboardFocus(takeCardHadFocus);
    refreshAccessibleNames();
    if (Label2_->text() != turnLine) {
        announce(*Label2_);
    }
    if (Label4_->text() != card && Label4_->isVisibleTo(this) && c.Label4.caption != cardBack) {
        announce(*Label4_);
    }
    if (Label10_->isVisibleTo(this) && !messageShown) {
        announce(*Label10_);
    }
}

// The card's words, where the rules have moved them.
void fan1::placeCardFace()
{
    if (const std::optional<int> top = model_.cardFaceTop()) {
        const TwipRect& designed = fan1Layout.row("Label4").place;
        place(*Label4_, {designed.left, *top, designed.width, designed.height});
    }
}

// A keyboard player goes from "Take a card" to the board and, once the next player
// may take a card, back to it.
void fan1::refreshKeyboardFocus(bool takeCardHadFocus)
{
    const bool canTakeCard = Label5_->isEnabled() && Label5_->isVisibleTo(this);
    if (takeCardHadFocus && !canTakeCard) {
        boardKeys_->focusBoard();
    } else if (canTakeCard && !takeCardOffered_ && boardKeys_->hasFocus()) {
        Label5_->setFocus(Qt::OtherFocusReason);
    }
    takeCardOffered_ = canTakeCard;
}

// A number on the board reads as its number and the counter on it: "42, Red counter".
void fan1::refreshAccessibleNames()
{
    static const std::array<const char*, maxPlayers> counterOn{
        QT_TR_NOOP("%1, Blue counter"), QT_TR_NOOP("%1, Red counter"), QT_TR_NOOP("%1, Green counter"),
        QT_TR_NOOP("%1, Yellow counter")};
    for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
        const Integer owner = shared().boardowner[n];
        QString name = QString::number(n);
        if (owner >= 1 && owner <= maxPlayers) {
            name = tr(counterOn.at(static_cast<std::size_t>(owner - 1))).arg(n);
        }
        setAccessibleNameIfChanged(*Label1_[n], name);
        setAccessibleNameIfChanged(*Image1_[n], name);
    }
}

// A timer the model started again begins its interval afresh.
void fan1::refreshTimers()
{
    for (int t = 1; t <= 5; ++t) {
        const Timer& wanted = model_.controls().timers.at(static_cast<std::size_t>(t));
        QTimer& timer = *timers_[t];
        if (!wanted.enabled) {
            timer.stop();
        } else if (!timer.isActive() || timerStarts_[t] != wanted.starts) {
            timer.start(wanted.interval);
        }
        timerStarts_[t] = wanted.starts;
    }
}

void fan1::refreshCounterPicture(int n)
{
    const Image& image = model_.controls().Image1[n];
    ClickLabel& widget = *Image1_[n];
    if (shownPictures_[n] != image.picture) {
        shownPictures_[n] = image.picture;
        showCounterPicture(n);
    }
    syncVisible(widget, image.visible);
}

// Counters away from the design's size are drawn afresh at it, as sharp as at 1.
void fan1::showCounterPicture(int n)
{
    const std::string& path = shownPictures_[n];
    showPicture(*Image1_[n], path.empty() ? QPixmap() : counterPictures_.picture(path));
    if (const double scale = screenScale().scale; !path.empty() && scale != 1) {
        if (const QPixmap sharp = counterPictures_.picture(path, scale); !sharp.isNull()) {
            Image1_[n]->setPixmap(sharp);
        }
    }
}

void fan1::laidOut()
{
    boardKeys_->placeFocusSquare();
    for (int n = board::firstNumber; n <= board::lastNumber; ++n) {
        if (!shownPictures_[n].empty()) {
            showCounterPicture(n);
        }
    }
}

// "Exit" (0) keeps an unfinished game and goes back to the title; "New Game" (1)
// goes to the options screen.
void fan1::Label3_Click(int index)
{
    if (index == 0) {
        saveIfUnfinished();
        navigator().show<Titlefrm>().readOkAsCancel();
    } else {
        navigator().show<Startplay2>();
    }
    navigator().close<fan1>();
    play(sounds::click);
}

void fan1::Check3_Click()
{
    play(sounds::click1);
    setBackdrop(Check3_->isChecked());
    navigator().show<fan1>();
}

void fan1::saveIfUnfinished() const
{
    if (model_.worthKeeping()) {
        saveGame(shared(), model_.turnnumber(), savedGamePath(saveFolder()));
    }
}

// Closing the window leaves the game as "Exit" would, keeping it, and ends the program.
bool fan1::closedByPlayer()
{
    saveIfUnfinished();
    return GameWindow::closedByPlayer();
}

// A screen on its way out plays no more timed steps.
void fan1::closeEvent(QCloseEvent* event)
{
    for (QTimer* timer : timers_) {
        if (timer != nullptr) {
            timer->stop();
        }
    }
    GameWindow::closeEvent(event);
}

} // namespace zorbitan
