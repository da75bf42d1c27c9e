// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zorbitan::datagen {

inline constexpr int sampleRate = 22050;

// A mono sound as samples between -1 and 1.
using Samples = std::vector<double>;

Samples synthesiseClick();   // a navigation button: a short dry tap
Samples synthesiseClick1();  // a tick box: a higher, lighter tick
Samples synthesiseStapler(); // taking a card: the press and the snap of a stapler
Samples synthesiseSubping(); // a right answer: a rising ping with its echo
Samples synthesiseBoink();   // a wrong answer: a sagging cartoon spring
Samples synthesiseKlaxon();  // a win: an old car horn, "aa-ooo-gah"

// 16-bit PCM WAV bytes of the samples.
std::string encodeWav(const Samples& samples);

} // namespace zorbitan::datagen
