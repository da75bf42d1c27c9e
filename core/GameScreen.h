#pragma once

#include "Board.h"
#include "Controls.h"
#include "LevelStyle.h"
#include "Module1.h"
#include "Sounds.h"

#include <array>

namespace zorbitan {

inline constexpr int boardArraySize = board::lastNumber + 1;  // element 0 is the hidden template

// The controls of the game screen, with the look they have before the screen loads.
struct GameScreenControls {
    Label Label9{"ZORBITAN", colours::paleBlue, true, true, {120, 0, 3075, 675}};
    Label Label2{"Blue to Play", colours::paleBlue, true, true, {6030, 0, 4125, 840}};
    Label Label5{"Take a card", colours::buttonBlue, true, true, {1260, 1080, 2175, 495}};
    Shape Shape4{colours::blue, colours::black, true, {600, 1920, 3495, 4455}};
    Label Label4{"ZORBITAN", colours::yellow, true, true, {720, 2160, 3255, 2415}};
    Label Label7{"ANSWER", colours::white, false, true, {720, 4620, 3255, 555}};
    Label Label6{"ZORBITAN", colours::white, false, true, {720, 5160, 3255, 1215}};
    Label Label11{"Level 1", colours::yellow, false, true, {1440, 6480, 1845, 585}};
    Label Label10{"Your answer is incorrect. You have lost your turn.", colours::white, false, true,
                  {1920, 8160, 7800, 600}};
    Label Label8{"", colours::yellow, true, true, {2880, 8730, 6240, 240}};
    std::array<Label, 2> Label3{{
        {"Exit", colours::buttonBlue, true, true, {60, 8400, 1695, 495}},
        {"New Game", colours::buttonBlue, true, true, {9840, 8400, 2055, 495}},
    }};
    CheckBox Check3{"Hide Desktop", true, true, {120, 7560, 1935, 375}};
    Shape Shape2{colours::black, colours::black, false, {}};

    // Board arrays, indexed by board number.
    std::array<Shape, boardArraySize> Shape1{};
    std::array<Label, boardArraySize> Label1{};
    std::array<Image, boardArraySize> Image1{};

    // Timer1..Timer5 at their own numbers; element 0 is unused.
    std::array<Timer, 6> timers{{{}, {500}, {250}, {250}, {500}, {10}}};

    GameScreenControls();
};

// The game screen as a model: its controls as plain data and its event handlers,
// which the view calls and then draws. It never waits and never reads a clock.
class GameScreen {
public:
    GameScreen(Module1& shared, PlayWav playwav);

    const GameScreenControls& controls() const { return controls_; }
    Integer turnnumber() const { return turnnumber_; }
    Integer winner() const { return winner_; }

    // Runs once when the screen loads: builds the board and styles the card for Blue.
    void Form_Load();

private:
    void createBoardControls();
    void colournumbers();
    void positionnumbers();
    void applyLevelStyle(int level);

    Module1& shared_;
    PlayWav playwav_;
    GameScreenControls controls_;
    Integer turnnumber_ = 0;
    Integer winner_ = 0;
};

} // namespace zorbitan
