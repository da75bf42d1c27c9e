#include "DisplayCheck.h"

#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>

namespace zorbitan {

namespace {
bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}
} // namespace

bool displayAvailable() { return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"); }

void explainMissingDisplay(const char* program)
{
    const QString line = QCoreApplication::translate(
        "zorbitan::DisplayCheck", "Zorbitan needs a desktop display and none was found; without one, run it as: %1");
    std::fprintf(stderr, "%s\n",
                 qPrintable(line.arg(QStringLiteral("xvfb-run -a ") + QString::fromLocal8Bit(program))));
}

} // namespace zorbitan
