#include "DisplayCheck.h"

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
    std::fprintf(stderr,
                 "Zorbitan needs a desktop display and none was found; without one, run it as: xvfb-run -a %s\n",
                 program);
}

} // namespace zorbitan
