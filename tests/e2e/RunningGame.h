#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The real program, started in a fresh working folder on the X display the tests run
// on, and what can be seen of it on the screen.
class RunningGame {
public:
    RunningGame();
    ~RunningGame();

    // Waits until the screen shows the given colour at the given point; false on timeout.
    bool waitForColour(QPoint screenPoint, const QColor& colour, int timeoutMs = 15000);

    QImage screen() const;
    void saveScreenshot(const QString& name) const;

    // Ends the program and returns what it wrote to its error output.
    QString stop();

    bool isRunning() const { return process_.state() == QProcess::Running; }
    QString workingFolder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QProcess process_;
};
