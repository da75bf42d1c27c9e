// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Module1.h"

namespace zorbitan {

void clearAnswers(Module1& shared)
{
    for (int slot = 0; slot < usedAnswerSlots; ++slot) {
        shared.answers.at(static_cast<std::size_t>(slot)) = std::string(emptySlot);
    }
}

} // namespace zorbitan
