// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

namespace zorbitan::testing {

// What a sound is like to the ear, from its samples (mono, -1..1): how long it lasts
// above a tenth of its peak, how many times it starts afresh after falling quiet, and
// its pitch from how often it crosses zero, over it all, its first 60 ms and its last third.
struct SoundCharacter {
    double seconds = 0;
    int bursts = 0;
    double pitch = 0, pitchStart = 0, pitchEnd = 0;
    std::string describe() const
    {
        char text[128];
        std::snprintf(text, sizeof text, "%.2f s, %d burst(s), %.0f Hz (%.0f -> %.0f)", seconds, bursts, pitch,
                      pitchStart, pitchEnd);
        return text;
    }
};

inline SoundCharacter characterOf(const std::vector<double>& samples, int rate)
{
    const auto pitch = [&](std::size_t from, std::size_t to) {
        int crossings = 0;
        for (std::size_t i = from + 1; i < to; ++i) {
            crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
        }
        return to > from ? crossings / 2.0 * rate / static_cast<double>(to - from) : 0;
    };
    const std::size_t frame = static_cast<std::size_t>(rate) / 200; // loudness in frames of 5 ms
    std::vector<double> loudness;
    for (std::size_t at = 0; at + frame <= samples.size(); at += frame) {
        double sum = 0;
        std::for_each(samples.begin() + at, samples.begin() + at + frame, [&](double s) { sum += s * s; });
        loudness.push_back(std::sqrt(sum / static_cast<double>(frame)));
    }
    SoundCharacter sound;
    const double peak = loudness.empty() ? 0 : *std::ranges::max_element(loudness);
    std::size_t first = loudness.size();
    std::size_t last = 0;
    for (std::size_t f = 0, quiet = 1; peak > 0 && f < loudness.size(); ++f) {
        first = loudness[f] >= peak / 10 ? std::min(first, f) : first;
        last = loudness[f] >= peak / 10 ? f : last;
        sound.bursts += quiet != 0 && loudness[f] >= peak / 2 ? 1 : 0;
        quiet = loudness[f] < peak / 5 || (quiet != 0 && loudness[f] < peak / 2) ? 1 : 0;
    }
    if (first > last) {
        return sound;
    }
    const std::size_t begin = first * frame;
    const std::size_t end = (last + 1) * frame;
    const std::size_t opening = std::min(end, begin + static_cast<std::size_t>(rate) * 6 / 100);
    sound.seconds = static_cast<double>(end - begin) / rate;
    sound.pitch = pitch(begin, end);
    sound.pitchStart = pitch(begin, opening);
    sound.pitchEnd = pitch(std::max(opening, end - (end - begin) / 3), end);
    return sound;
}

// Which of the game's six sounds this is, by what the design says each is like; empty
// for none:
//   click    one short knock, under 60 ms, pitched 700 to 2500 Hz
//   click1   one shorter, lighter tick, under 60 ms, pitched above 2500 Hz
//   stapler  two strikes, the arm coming down and the staple snapping through, in under half a second
//   subping  a high ping, above 800 Hz, rising as it starts, ringing on for a third of a second or more
//   boink    a low tone, under 600 Hz, falling, a fifth to two thirds of a second
//   klaxon   one long blast of a low horn, 100 to 500 Hz, never falling, half a second or more
inline std::string soundNamed(const SoundCharacter& s)
{
    if (s.bursts == 2 && s.seconds < 0.5) {
        return "stapler";
    }
    if (s.bursts != 1) {
        return "";
    }
    if (s.seconds < 0.06) {
        return s.pitch > 2500 ? "click1" : s.pitch >= 700 ? "click" : "";
    }
    if (s.pitch > 800 && s.pitchEnd > 1.15 * s.pitchStart && s.seconds >= 0.3) {
        return "subping";
    }
    if (s.pitch < 600 && s.pitchEnd < 0.8 * s.pitchStart && s.seconds >= 0.2 && s.seconds < 0.67) {
        return "boink";
    }
    return s.pitch >= 100 && s.pitch <= 500 && s.pitchEnd >= 0.9 * s.pitchStart && s.seconds >= 0.5 ? "klaxon" : "";
}

} // namespace zorbitan::testing
