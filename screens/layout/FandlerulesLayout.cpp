// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Layouts.h"

#include "WindowServices.h"

#include <QtGlobal>

namespace zorbitan {

namespace {
constexpr Face plain{FaceFamily::Arial, 12, false};
constexpr Face bold{FaceFamily::Arial, 12};

// The words of the rules from the top left of their boxes. The level lines' tables are
// the choice the game deals from; the Level 3 lines, one for each kind of fact, are
// filled from the top with the kinds chosen.
constexpr ControlLayout controls[] = {
    screenHeading("Label1_0", QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "The Rules of Zorbitan")),
    smallExit(QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "Exit"), 11160, 60),
    {"Label1_1",
     ControlKind::Text,
     {120, 600, 1395, 285},
     bold,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "THE RULES")},
    {"Label1_2",
     ControlKind::Text,
     {120, 960, 11535, 645},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules",
                       "Players take turns to select a card. The card shows a mathematical problem whose answer is a "
                       "number between 1 and 100. The problem may have more than one answer.")},
    {"Label1_3",
     ControlKind::Text,
     {120, 1680, 11415, 1005},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules",
                       "The player clicks a number on the board. If the number is a correct answer to the problem, a "
                       "counter will be placed on the number, replacing any counter already placed on that number. If "
                       "the answer is wrong the turn passes to the next player.")},
    {"Label1_4",
     ControlKind::Text,
     {120, 2640, 11655, 525},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules",
                       "The first player to have three counters in a row: horizontally, vertically or diagonally, wins "
                       "the game.")},
    {"Label1_9",
     ControlKind::Text,
     {120, 3240, 2190, 285},
     bold,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "QUESTION BANDS")},
    {"Label1_5",
     ControlKind::Text,
     {120, 3660, 5535, 405},
     bold,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "Level 1 - Yellow band")},
    {"Label1_15", ControlKind::Text, {120, 3960, 5655, 285}, plain},
    {"Label1_8",
     ControlKind::Text,
     {120, 4440, 5175, 405},
     bold,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "Level 2 - Purple band")},
    {"Label1_11", ControlKind::Text, {120, 4740, 5415, 525}, plain},
    {"Label1_13",
     ControlKind::Text,
     {120, 5280, 5415, 405},
     bold,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "Level 3 - Blue band")},
    {"Label1_14",
     ControlKind::Text,
     {120, 5640, 4335, 405},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* prime numbers")},
    {"Label1_6",
     ControlKind::Text,
     {120, 6000, 4335, 405},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* factors")},
    {"Label1_10",
     ControlKind::Text,
     {120, 6360, 4335, 405},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* multiples")},
    {"Label1_12",
     ControlKind::Text,
     {120, 6720, 4335, 405},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* square numbers and square roots")},
    {"Label1_16",
     ControlKind::Text,
     {120, 7080, 4335, 405},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* odd and even numbers")},
    {"Label1_17",
     ControlKind::Text,
     {120, 7440, 4335, 405},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* greater than and less than")},
    {"Label1_18",
     ControlKind::Text,
     {120, 7800, 4335, 405},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "* numbers to the nearest ten")},
    {"Label1_19",
     ControlKind::Text,
     {120, 8400, 8055, 525},
     plain,
     QT_TRANSLATE_NOOP("zorbitan::Fandlerules",
                       "Players can decide which band to use according to their age and ability.")},
    // Shown at the picture's own size from here.
    {"Image1", ControlKind::Picture, {5880, 3600, 2835, 3525}},
};
} // namespace

const ScreenLayout FandlerulesLayout{"Fandlerules",
                                     " ",
                                     QT_TRANSLATE_NOOP("zorbitan::Fandlerules", "Zorbitan: the rules"),
                                     standardClientWidthTwips,
                                     standardClientHeightTwips,
                                     colours::red,
                                     controls};

} // namespace zorbitan
