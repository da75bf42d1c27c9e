// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick: a bare Qt Widgets program, one window with one label, that says when
// it has first been painted and ends; with "resize", how long it takes to be sized up
// as the game screen is.

#include "ResizeMeasure.h"

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>

namespace {
class Window : public QLabel {
public:
    using QLabel::QLabel;
    bool resizing = false;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (!painted_ && !resizing) {
            painted_ = true;
            std::printf("painted\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }

private:
    bool painted_ = false;
};
} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    Window window(QStringLiteral("Hello"));
    window.resize(372, 438);
    window.show();
    if (QCoreApplication::arguments().value(1) == QLatin1String("resize")) {
        window.resizing = true;
        QTimer::singleShot(300, &window, [&window] {
            printResizeTime(window);
            QCoreApplication::quit();
        });
    }
    return QApplication::exec();
}
