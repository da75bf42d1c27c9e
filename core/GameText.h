#pragma once

// The game's English texts are marked for the translators' tool (lupdate), which reads
// the sources and finds every QT_TRANSLATE_NOOP("GameText", ...); the mark itself leaves
// the text as it is, so the game stays plain C++. The screens translate every text of
// the game on its way to the screen, in this one context.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, x) x
#endif

namespace zorbitan {
inline constexpr const char* gameTextContext = "GameText";
} // namespace zorbitan
