#pragma once

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
    std::string describe() const;
};

SoundCharacter characterOf(const std::vector<double>& samples, int rate);

// Which of the game's six sounds this is, by what the design says each is like; empty
// for none:
//   click    one short knock, under 60 ms, pitched 700 to 2500 Hz
//   click1   one shorter, lighter tick, under 60 ms, pitched above 2500 Hz
//   stapler  two strikes, the arm coming down and the staple snapping through, in under half a second
//   subping  a high ping, above 800 Hz, rising as it starts, ringing on for a third of a second or more
//   boink    a low tone, under 600 Hz, falling, a fifth to two thirds of a second
//   klaxon   one long blast of a low horn, 100 to 500 Hz, never falling, half a second or more
std::string soundNamed(const SoundCharacter& sound);

} // namespace zorbitan::testing
