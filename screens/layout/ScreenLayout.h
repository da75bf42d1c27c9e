// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Publisher.h"
#include "Rgb.h"
#include "Twips.h"

#include <algorithm>
#include <span>
#include <string_view>

namespace zorbitan {

// A screen's layout as its designer drew it: each control's name, kind, place and size
// in twips, face and colour, and the words it shows as designed. The screen is built
// from its table (GameWindow::setUp) and laid out from it at any scale (ScreenScale.h);
// what play changes afterwards (captions, colours, what is shown) is the screen's own.

enum class ControlKind {
    Label,        // words centred across the box from its top, wrapping at words
    Text,         // words from the box's top left, wrapping at words
    ClickLabel,   // a label that answers clicks
    Button,       // a label in a black box that answers clicks and the keyboard
    TickBox,      // a red tick box with words in the control's colour
    Fill,         // a filled rectangle with a border
    Picture,      // a picture from its top left
    ClickPicture, // a picture that answers clicks
    Frame,        // a plain area in the control's colour
};

// How a control's words are read in the players' language: translated as the screen's
// own, as one of the game's texts, or as they stand (a name, an address).
enum class Words { OfTheScreen, OfTheGame, AsTheyStand };

enum class FaceFamily { Arial, Tahoma };

// A face in points as designed for a 96 dpi screen; none (0 points) for a control
// without words.
struct Face {
    FaceFamily family = FaceFamily::Arial;
    double points = 0;
    bool bold = true;
};

struct ControlLayout {
    const char* name;
    ControlKind kind;
    TwipRect place;
    Face face{};
    // The words as designed, in English; none for words the screen sets.
    const char* words = nullptr;
    Rgb colour = colours::yellow; // of the words; of a frame, the frame's
    Words wordsAre = Words::OfTheScreen;
    // A row of the board: one control on every square, named name_1 .. name_100, the
    // first at place and the others as far off as their squares are from the first.
    bool onEverySquare = false;
};

// Rows that several screens share: the game's name at the top, a small "Exit" (in the
// screen's own words), the heading across a page, and the publisher's notice at the foot.
constexpr ControlLayout gameName(int top)
{
    return {"Label4",   ControlKind::Label, {120, top, 5355, 1095}, {FaceFamily::Tahoma, 39.75},
            "ZORBITAN", colours::yellow,    Words::AsTheyStand};
}
constexpr ControlLayout smallExit(const char* words, int left, int top)
{
    return {"Label3_0", ControlKind::Button, {left, top, 735, 375}, {FaceFamily::Arial, 12.75}, words};
}
constexpr ControlLayout screenHeading(const char* name, const char* words)
{
    return {name, ControlKind::Label, {0, 120, 12000, 360}, {FaceFamily::Arial, 15.75}, words};
}
constexpr ControlLayout notice(const char* name, int top)
{
    return {name,
            ControlKind::Label,
            {0, top, 5535, 255},
            {FaceFamily::Arial, 8.25, false},
            publisher::notice.data(),
            colours::yellow,
            Words::OfTheGame};
}

// A square of the board and the gap to the next, across and down.
inline constexpr int boardPitchTwips = 660;

struct ScreenLayout {
    const char* name;
    const char* title;      // the window's title, as it stands
    const char* spokenName; // what a screen reader names the window, translated
    int widthTwips;         // the client area as designed; 0 for one sized by other rules
    int heightTwips;
    Rgb colour;
    std::span<const ControlLayout> controls;

    // The row of the control of that name, which the table has.
    const ControlLayout& row(std::string_view control) const
    {
        return *std::ranges::find_if(controls, [&](const ControlLayout& row) { return control == row.name; });
    }
};

} // namespace zorbitan
