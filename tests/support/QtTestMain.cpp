#include "Fonts.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {
// Qt wants a private runtime folder; a test machine often has none.
void ensureRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
        return;
    }
    const QString folder = QDir::temp().filePath(QStringLiteral("zorbitan-tests-runtime"));
    QDir().mkpath(folder);
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", folder.toLocal8Bit());
}
} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" OFFSCREEN_CONFIG);
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
    ensureRuntimeFolder();
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    zorbitan::registerGameFonts();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
