#include "Fonts.h"

#include <QFontDatabase>
#include <cmath>

namespace zorbitan {

void registerGameFonts()
{
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
    return font;
}

} // namespace zorbitan
