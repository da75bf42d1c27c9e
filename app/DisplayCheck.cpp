// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "DisplayCheck.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zorbitan {

namespace {
bool isSet(const char* variable)
{
    const char* value = std::getenv(variable);
    return value != nullptr && *value != '\0';
}
} // namespace

bool displayAvailable() { return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY"); }

std::vector<char*> argumentsChoosingPlatform(int argc, char* argv[])
{
    std::vector<char*> arguments(argv, argv + argc);
    const bool chosen = isSet("QT_QPA_PLATFORM") || std::any_of(argv, argv + argc, [](const char* argument) {
                            return std::strcmp(argument, "-platform") == 0 || std::strcmp(argument, "--platform") == 0;
                        });
    const char* session = std::getenv("XDG_SESSION_TYPE");
    const bool wayland = isSet("WAYLAND_DISPLAY") || (session != nullptr && std::strcmp(session, "wayland") == 0);
    if (!chosen && wayland && isSet("DISPLAY")) {
        static char platform[] = "-platform";
        static char xwayland[] = "xcb";
        arguments.insert(arguments.end(), {platform, xwayland});
    }
    arguments.push_back(nullptr);
    return arguments;
}

void explainMissingDisplay(const char* program)
{
    const QString line = QCoreApplication::translate(
        "zorbitan::DisplayCheck", "Zorbitan needs a desktop display and none was found; without one, run it as: %1");
    std::fprintf(stderr, "%s\n",
                 qPrintable(line.arg(QStringLiteral("xvfb-run -a ") + QString::fromLocal8Bit(program))));
}

} // namespace zorbitan
