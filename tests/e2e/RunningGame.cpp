#include "RunningGame.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

RunningGame::RunningGame()
{
    const QDir program = QFileInfo(QStringLiteral(ZORBITAN_PROGRAM)).dir();
    for (const char* data : {"Images", "counters", "wav"}) {
        QFile::link(program.absoluteFilePath(QString::fromLatin1(data)), folder_.filePath(QString::fromLatin1(data)));
    }
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), folder_.path());
    environment.insert(QStringLiteral("XDG_DATA_HOME"), folder_.filePath(QStringLiteral("user-data")));
    process_.setProcessEnvironment(environment);
    process_.setWorkingDirectory(folder_.path());
}

RunningGame::~RunningGame() { stop(); }

void RunningGame::start()
{
    process_.start(QStringLiteral(ZORBITAN_PROGRAM), {});
    process_.waitForStarted();
}

bool RunningGame::waitForColour(QPoint screenPoint, const QColor& colour, int timeoutMs) const
{
    return QTest::qWaitFor([&] { return screen().pixelColor(screenPoint) == colour; }, timeoutMs);
}

void RunningGame::click(QPoint screenPoint)
{
    QProcess::execute(QStringLiteral("xdotool"),
                      {QStringLiteral("mousemove"), QString::number(screenPoint.x()), QString::number(screenPoint.y()),
                       QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(300); // let the program handle it and repaint
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

bool RunningGame::waitForEnd(int timeoutMs)
{
    return process_.state() == QProcess::NotRunning || process_.waitForFinished(timeoutMs);
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
