#pragma once

#include <string>
#include <vector>

namespace zorbitan::testing {

// What a sound is like to the ear, measured from its samples (mono, -1..1).
struct SoundCharacter {
    double seconds = 0;    // from the first to the last moment above a tenth of its peak
    int bursts = 0;        // times it starts afresh after falling quiet
    double pitch = 0;      // its middle frequency in Hz, from how often it crosses zero
    double pitchStart = 0; // the frequency over its first 60 ms and over its last part
    double pitchEnd = 0;
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

// A description for a failure message: "0.42 s, 1 burst, 180 Hz (480 -> 170)".
std::string describe(const SoundCharacter& sound);

} // namespace zorbitan::testing
