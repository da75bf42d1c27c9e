// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"

#include <QFontDatabase>
#include <atomic>
#include <cmath>
#include <cstdlib>
#include <fontconfig/fontconfig.h>
#include <pthread.h>
#include <sched.h>
#include <string_view>
#include <thread>
#include <utility>

namespace zorbitan {

namespace {
// Joined when the fonts are registered, or as the program ends.
std::jthread& fontReader()
{
    static std::jthread reader;
    return reader;
}

// Moves a thread just started to one of the allowed processors other than this one, if
// there is one.
void moveElsewhere(std::jthread& thread, const cpu_set_t& allowed)
{
    const int here = sched_getcpu();
    if (here < 0) {
        return;
    }
    cpu_set_t others = allowed;
    CPU_CLR(here, &others);
    if (CPU_COUNT(&others) > 0) {
        pthread_setaffinity_np(thread.native_handle(), sizeof others, &others);
    }
}

// True when Qt is asked (QT_QPA_PLATFORM) for a platform that draws in memory, such as
// the tests' and benchmarks' offscreen one, with no display server to wait for.
bool drawsInMemory()
{
    const char* variable = std::getenv("QT_QPA_PLATFORM");
    const std::string_view platform = variable != nullptr ? variable : "";
    return platform.starts_with("offscreen") || platform.starts_with("minimal");
}
} // namespace

// A new thread waits on its starter's processor until the scheduler gives it one of its
// own. With a display server, the starter soon waits for the server's replies while it
// connects, and the reader runs in those gaps; moved away, it would run beside the
// connection from the first moment, which slows the connection down on a two-core
// machine more than the reading gains. Drawing in memory, the starter never pauses while
// it sets up, so the reader would wait 1.4 to 2.5 ms, and the first paint waits for the
// reading: there the reader is moved to another processor at once, and once it runs it
// may use every processor again.
void startReadingFonts()
{
    static std::atomic<bool> moved = false;
    cpu_set_t allowed{};
    const bool move = drawsInMemory() && sched_getaffinity(0, sizeof allowed, &allowed) == 0;
    fontReader() = std::jthread([allowed, move] {
        moved.wait(false);
        if (move) {
            sched_setaffinity(0, sizeof allowed, &allowed);
        }
        FcInit();
    });
    if (move) {
        moveElsewhere(fontReader(), allowed);
    }
    moved = true;
    moved.notify_one();
}

void registerGameFonts()
{
    static bool registered = false;
    if (std::exchange(registered, true)) {
        return;
    }
    if (fontReader().joinable()) {
        fontReader().join();
    }
    // Only the regular face: Wine's bold file draws thinner than its regular one, so
    // bold captions are made from the regular face, which looks like Tahoma Bold.
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
}

bool boldMadeFromRegular(const QFont& font) { return font.bold() && font.family() == QLatin1String("Tahoma"); }

QFont gameFont(const QString& family, double points, bool bold)
{
    constexpr double designDpi = 96.0;
    constexpr double pointsPerInch = 72.0;
    QFont font(family);
    font.setPixelSize(static_cast<int>(std::lround(points * designDpi / pointsPerInch)));
    font.setBold(bold);
    // Every letter the game writes, in every language it speaks, is in its two faces: no
    // other face need be looked for to fill in a missing one.
    font.setStyleStrategy(QFont::NoFontMerging);
    return font;
}

} // namespace zorbitan
