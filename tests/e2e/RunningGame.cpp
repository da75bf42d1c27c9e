#include "RunningGame.h"

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

RunningGame::RunningGame()
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.path());
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(folder_.path());
    process_.start(QStringLiteral(ZORBITAN_PROGRAM), {});
    process_.waitForStarted();
}

RunningGame::~RunningGame() { stop(); }

bool RunningGame::waitForColour(QPoint screenPoint, const QColor& colour, int timeoutMs)
{
    return QTest::qWaitFor([&] { return screen().pixelColor(screenPoint) == colour; }, timeoutMs);
}

QImage RunningGame::screen() const
{
    return QGuiApplication::primaryScreen()->grabWindow(0).toImage().convertToFormat(QImage::Format_RGB32);
}

void RunningGame::saveScreenshot(const QString& name) const
{
    QDir().mkpath(QStringLiteral(SCREENSHOT_FOLDER));
    screen().save(QStringLiteral(SCREENSHOT_FOLDER "/") + name + QStringLiteral(".png"));
}

QString RunningGame::stop()
{
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(5000)) {
            process_.kill();
            process_.waitForFinished(5000);
        }
    }
    return QString::fromLocal8Bit(process_.readAllStandardError());
}
