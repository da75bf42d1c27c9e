// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Fonts.h"
#include "GameStyle.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" OFFSCREEN_CONFIG);
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    const QTemporaryDir settings; // no test reads or writes the machine's own settings
    qputenv("XDG_CONFIG_HOME", settings.filePath(QStringLiteral("user")).toUtf8());
    qputenv("XDG_CONFIG_DIRS", settings.filePath(QStringLiteral("system")).toUtf8());
    QApplication app(argc, argv);
    zorbitan::useGameStyle();
    zorbitan::registerGameFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
