// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "CounterArt.h"
#include "GameScreen.h"
#include "GameWindow.h"
#include "widgets/ControlSync.h"

#include <array>
#include <string>

class QCheckBox;
class QLabel;
class QTimer;

namespace zorbitan {

class BoardKeyboard;
class ButtonLabel;
class ClickLabel;
class ShapeWidget;

// The game screen: the board, the card and the turn line. It draws its model, hands
// the players' clicks and the timers' ticks to it, and carries out the screen's
// commands: leaving the game, a new game and the backdrop.
class fan1 : public GameWindow {
    Q_OBJECT
public:
    explicit fan1(ScreenNavigator& navigator);

    void Form_Load() override;

    const GameScreen& model() const { return model_; }

protected:
    bool closedByPlayer() override;
    void laidOut() override;
    void closeEvent(QCloseEvent* event) override;

private:
    void findControls();
    void createTimers();
    void connectClicks();
    void setKeyboardOrder();

    // Lets the model handle an event, then shows what it changed.
    template <typename Event> void handle(Event&& event)
    {
        event();
        refresh();
    }

    void refresh();
    void placeCardFace();
    void refreshCounterPicture(int n);
    void showCounterPicture(int n);
    void refreshTimers();
    void refreshKeyboardFocus(bool takeCardHadFocus);
    void refreshAccessibleNames();

    void Label3_Click(int index);
    void Check3_Click();
    void saveIfUnfinished() const;

    GameScreen model_;
    CounterPictures counterPictures_;
    LabelCaptions captions_;

    ShapeWidget* Shape2_ = nullptr;
    ShapeWidget* Shape4_ = nullptr;
    QLabel* Label9_ = nullptr;
    QLabel* Label2_ = nullptr;
    ButtonLabel* Label5_ = nullptr;
    QLabel* Label4_ = nullptr;
    QLabel* Label7_ = nullptr;
    QLabel* Label6_ = nullptr;
    QLabel* Label11_ = nullptr;
    QLabel* Label10_ = nullptr;
    QLabel* Label8_ = nullptr;
    std::array<ButtonLabel*, 2> Label3_{};
    QCheckBox* Check3_ = nullptr;
    std::array<ShapeWidget*, boardArraySize> Shape1_{};
    std::array<ClickLabel*, boardArraySize> Label1_{};
    std::array<ClickLabel*, boardArraySize> Image1_{};
    std::array<std::string, boardArraySize> shownPictures_{};
    BoardKeyboard* boardKeys_ = nullptr;
    bool takeCardOffered_ = false;          // "Take a card" could be taken at the last refresh
    std::array<QTimer*, 6> timers_{};       // Timer1..Timer5 at their own numbers
    std::array<unsigned, 6> timerStarts_{}; // the model's start count each timer last followed
};

} // namespace zorbitan
