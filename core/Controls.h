// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "Rgb.h"

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zorbitan {

// The parts of a screen's controls that the game reads and changes. Where a control
// lies and how it is drawn (font, border, alignment) belong to the screen's layout.

// A caption is the game's English words, which the screen shows in the players'
// language, or, for a literal label, exactly what it shows in every language.
struct Label {
    std::string caption;
    Rgb foreColor;
    bool visible = true;
    bool enabled = true;
    std::vector<int> numbers{}; // filled into the words' %1, %2: the numbers of a sum
    int count = -1;             // how many the words speak of, for a language's plural; -1: none
    bool literal = false;       // numbers and lists of answers, never translated

    void setCaption(std::string_view words, std::vector<int> filledIn = {})
    {
        caption = words;
        numbers = std::move(filledIn);
        literal = false;
    }
    void showAsIs(std::string_view text)
    {
        setCaption(text);
        literal = true;
    }
};

struct Shape {
    Rgb fillColor;
    Rgb borderColor;
    bool visible = true;
};

struct Image {
    std::string picture; // a game path such as "counters\yebl.bmp"; empty for none
    bool visible = false;
};

// A timer ticks every interval while enabled. Each start is counted, so whoever
// drives the ticks can tell a restart (which begins the interval afresh) from a
// timer that simply kept running.
struct Timer {
    int interval = 0;
    bool enabled = false;
    unsigned starts = 0;

    void start()
    {
        enabled = true;
        ++starts;
    }
    void stop() { enabled = false; }
};

} // namespace zorbitan
