#pragma once

namespace zorbitan {

// True when Qt has somewhere to draw: a chosen platform plugin, an X display or a
// Wayland display. Without one Qt would abort with a long message.
bool displayAvailable();

// The one line that says how to run the game without a desktop, in the desktop's language.
void explainMissingDisplay(const char* program);

} // namespace zorbitan
