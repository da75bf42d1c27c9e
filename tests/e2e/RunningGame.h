#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

// The real program on the X display the tests run on, working in a folder of its own
// that shares the built pictures and sounds; and what can be seen of it on the screen.
class RunningGame {
public:
    RunningGame();
    ~RunningGame();

    void start();

    // Waits until the screen shows the colour at the point; false on timeout.
    bool waitForColour(QPoint screenPoint, const QColor& colour, int timeoutMs = 15000) const;

    // A real click of the mouse at a point of the screen.
    static void click(QPoint screenPoint);

    QImage screen() const;
    void saveScreenshot(const QString& name) const;

    // Waits for the program to end by itself; false if it is still running.
    bool waitForEnd(int timeoutMs = 5000);

    // Ends the program if it still runs and returns what it wrote to its error output.
    QString stop();

    bool isRunning() const { return process_.state() == QProcess::Running; }
    QString folder() const { return folder_.path(); }

private:
    QTemporaryDir folder_;
    QProcess process_;
};
