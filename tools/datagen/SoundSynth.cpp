// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "SoundSynth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zorbitan::datagen {

namespace {
constexpr double tau = 2.0 * std::numbers::pi;

Samples silence(double seconds) { return Samples(static_cast<std::size_t>(seconds * sampleRate), 0.0); }

double timeOf(std::size_t i) { return static_cast<double>(i) / sampleRate; }

// A repeatable noise source, so every build writes the same files.
class Noise {
public:
    double next()
    {
        state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
        return static_cast<double>(state_ >> 11U) / static_cast<double>(1ULL << 53U) * 2.0 - 1.0;
    }

private:
    std::uint64_t state_ = 0x2545F4914F6CDD1DULL;
};

// A struck sound: a noise burst and a ringing tone, both dying away.
void addStrike(Samples& out, double start, double frequency, double ringDecay, double noiseDecay, double level)
{
    Noise noise;
    const auto first = static_cast<std::size_t>(start * sampleRate);
    double smoothed = 0.0;
    for (std::size_t i = first; i < out.size(); ++i) {
        const double t = timeOf(i - first);
        smoothed += 0.5 * (noise.next() - smoothed);
        out[i] += level * (0.6 * smoothed * std::exp(-t / noiseDecay) +
                           0.5 * std::sin(tau * frequency * t) * std::exp(-t / ringDecay));
    }
}

// Scales the sound to a comfortable peak, fades its last few milliseconds and ends it
// with silence: Qt's sound player stops a sound as soon as it has handed over the last
// of its samples, and the sound server drops what it still holds, a tenth of a second
// or more, which would swallow a click whole.
void finish(Samples& samples, double peak = 0.8)
{
    constexpr double silenceAfter = 0.3;
    double loudest = 0.0;
    for (const double sample : samples) {
        loudest = std::max(loudest, std::abs(sample));
    }
    const double gain = loudest > 0.0 ? peak / loudest : 0.0;
    const std::size_t fade = std::min<std::size_t>(samples.size(), sampleRate / 200);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const std::size_t left = samples.size() - i;
        samples[i] *= gain * (left < fade ? static_cast<double>(left) / static_cast<double>(fade) : 1.0);
    }
    samples.resize(samples.size() + static_cast<std::size_t>(silenceAfter * sampleRate), 0.0);
}

void putLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int b = 0; b < bytes; ++b) {
        out.push_back(static_cast<char>((value >> (8U * static_cast<unsigned>(b))) & 0xFFU));
    }
}
} // namespace

Samples synthesiseClick()
{
    Samples out = silence(0.035);
    addStrike(out, 0.0, 1800.0, 0.004, 0.002, 1.0);
    finish(out, 0.7);
    return out;
}

Samples synthesiseClick1()
{
    Samples out = silence(0.025);
    addStrike(out, 0.0, 3600.0, 0.003, 0.001, 1.0);
    finish(out, 0.6);
    return out;
}

Samples synthesiseStapler()
{
    Samples out = silence(0.28);
    addStrike(out, 0.0, 140.0, 0.03, 0.012, 1.0);    // the arm coming down
    addStrike(out, 0.11, 2900.0, 0.015, 0.004, 0.9); // the staple snapping through
    addStrike(out, 0.13, 900.0, 0.02, 0.006, 0.4);   // the arm springing back
    finish(out);
    return out;
}

// A right answer: a ping that rises as it sounds, with a softer echo.
Samples synthesiseSubping()
{
    Samples out = silence(0.9);
    const double echoDelay = 0.28;
    const auto ping = [](double u) {
        if (u < 0.0) {
            return 0.0;
        }
        // The pitch glides from 950 to 1500 Hz over the first 0.12 s: its phase is the
        // integral of that frequency.
        constexpr double low = 950.0;
        constexpr double high = 1500.0;
        constexpr double glide = 0.12;
        const double phase = u < glide ? low * u + (high - low) * u * u / (2 * glide)
                                       : low * glide + (high - low) * glide / 2 + high * (u - glide);
        return std::sin(tau * phase) * std::min(1.0, u / 0.004) * std::exp(-u / 0.16);
    };
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        out[i] = ping(t) + 0.35 * ping(t - echoDelay);
    }
    finish(out);
    return out;
}

Samples synthesiseBoink()
{
    Samples out = silence(0.42);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        const double wobble = 1.0 + 0.18 * std::sin(tau * 22.0 * t) * std::exp(-t * 4.0);
        const double frequency = (170.0 + 330.0 * std::exp(-t * 9.0)) * wobble;
        phase += tau * frequency / sampleRate;
        const double envelope = std::min(1.0, t / 0.005) * std::exp(-t * 5.5);
        out[i] = envelope * (std::sin(phase) + 0.3 * std::sin(2.0 * phase));
    }
    finish(out);
    return out;
}

Samples synthesiseKlaxon()
{
    Samples out = silence(1.1);
    double phase = 0.0;
    for (std::size_t i = 0; i < out.size(); ++i) {
        const double t = timeOf(i);
        // The pitch climbs as the horn winds up, then holds its honk.
        const double frequency = t < 0.35 ? 150.0 + 200.0 * (t / 0.35) : 350.0 + 6.0 * std::sin(tau * 7.0 * t);
        phase += frequency / sampleRate;
        const double saw = 2.0 * (phase - std::floor(phase)) - 1.0;
        const double envelope = std::min(1.0, t / 0.02) * std::min(1.0, (1.1 - t) / 0.12);
        out[i] = std::tanh(2.5 * saw) * envelope;
    }
    finish(out, 0.75);
    return out;
}

std::string encodeWav(const Samples& samples)
{
    constexpr std::uint32_t bytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size()) * bytesPerSample;
    std::string out = "RIFF";
    putLittleEndian(out, 36 + dataBytes, 4);
    out += "WAVEfmt ";
    putLittleEndian(out, 16, 4); // format chunk size
    putLittleEndian(out, 1, 2);  // PCM
    putLittleEndian(out, 1, 2);  // mono
    putLittleEndian(out, sampleRate, 4);
    putLittleEndian(out, sampleRate * bytesPerSample, 4);
    putLittleEndian(out, bytesPerSample, 2); // block align
    putLittleEndian(out, 16, 2);             // bits per sample
    out += "data";
    putLittleEndian(out, dataBytes, 4);
    for (const double sample : samples) {
        const auto value = static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0, 1.0) * 32767.0));
        putLittleEndian(out, static_cast<std::uint16_t>(value), 2);
    }
    return out;
}

} // namespace zorbitan::datagen
