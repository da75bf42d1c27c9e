#include "SoundCharacter.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace zorbitan::testing {

namespace {
// Frequency of a stretch of samples from its zero crossings.
double pitchOf(const std::vector<double>& samples, std::size_t from, std::size_t to, int rate)
{
    int crossings = 0;
    for (std::size_t i = from + 1; i < to; ++i) {
        crossings += (samples[i - 1] < 0) != (samples[i] < 0) ? 1 : 0;
    }
    return to > from ? crossings / 2.0 * rate / static_cast<double>(to - from) : 0;
}
} // namespace

SoundCharacter characterOf(const std::vector<double>& samples, int rate)
{
    // Loudness in frames of 5 ms.
    const std::size_t frame = static_cast<std::size_t>(rate) / 200;
    std::vector<double> loudness;
    for (std::size_t at = 0; at + frame <= samples.size(); at += frame) {
        double sum = 0;
        for (std::size_t i = at; i < at + frame; ++i) {
            sum += samples[i] * samples[i];
        }
        loudness.push_back(std::sqrt(sum / static_cast<double>(frame)));
    }
    SoundCharacter sound;
    const double peak = loudness.empty() ? 0 : *std::ranges::max_element(loudness);
    if (peak <= 0) {
        return sound;
    }
    std::size_t first = loudness.size();
    std::size_t last = 0;
    bool quiet = true;
    for (std::size_t f = 0; f < loudness.size(); ++f) {
        if (loudness[f] >= peak / 10) {
            first = std::min(first, f);
            last = f;
        }
        if (quiet && loudness[f] >= peak / 2) {
            ++sound.bursts;
        }
        quiet = loudness[f] < peak / 2 ? quiet || loudness[f] < peak / 5 : false;
    }
    const std::size_t begin = first * frame;
    const std::size_t end = (last + 1) * frame;
    sound.seconds = static_cast<double>(end - begin) / rate;
    sound.pitch = pitchOf(samples, begin, end, rate);
    const std::size_t opening = std::min(end, begin + static_cast<std::size_t>(rate) * 6 / 100);
    sound.pitchStart = pitchOf(samples, begin, opening, rate);
    sound.pitchEnd = pitchOf(samples, std::max(opening, end - (end - begin) / 3), end, rate);
    return sound;
}

std::string soundNamed(const SoundCharacter& s)
{
    if (s.bursts == 1 && s.seconds < 0.06) {
        return s.pitch > 2500 ? "click1" : s.pitch >= 700 ? "click" : "";
    }
    if (s.bursts == 2 && s.seconds < 0.5) {
        return "stapler";
    }
    if (s.bursts == 1 && s.pitch > 800 && s.pitchEnd > 1.15 * s.pitchStart && s.seconds >= 0.3) {
        return "subping";
    }
    if (s.bursts == 1 && s.pitch < 600 && s.pitchEnd < 0.8 * s.pitchStart && s.seconds >= 0.2 && s.seconds < 0.67) {
        return "boink";
    }
    if (s.bursts == 1 && s.pitch >= 100 && s.pitch <= 500 && s.pitchEnd >= 0.9 * s.pitchStart && s.seconds >= 0.5) {
        return "klaxon";
    }
    return "";
}

std::string describe(const SoundCharacter& s)
{
    char text[128];
    std::snprintf(text, sizeof text, "%.2f s, %d burst(s), %.0f Hz (%.0f -> %.0f)", s.seconds, s.bursts, s.pitch,
                  s.pitchStart, s.pitchEnd);
    return text;
}

} // namespace zorbitan::testing
