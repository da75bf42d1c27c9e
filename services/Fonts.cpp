#include "Fonts.h"

#include <QFontDatabase>
#include <cmath>
#include <fontconfig/fontconfig.h>
#include <future>
#include <utility>

namespace zorbitan {

namespace {
// Waited for when the fonts are registered, or as the program ends.
std::future<FcBool>& fontReading()
{
    static std::future<FcBool> reading;
    return reading;
}
} // namespace

void startReadingFonts()
{
    fontReading() = std::async(std::launch::async, [] { return FcInit(); });
}

void registerGameFonts()
{
    static bool registered = false;
    if (std::exchange(registered, true)) {
        return;
    }
    if (fontReading().valid()) {
        fontReading().get();
    }
    // Only the regular face: Wine's bold file draws thinner than its regular one, so
    // bold captions are made from the regular face, which looks like Tahoma Bold.
    QFontDatabase::addApplicationFont(QStringLiteral("/usr/share/wine/fonts/tahoma.ttf"));
}

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
