// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick: a bare Qt Widgets program, one window with one label, that says when
// it has first been painted and ends.

#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <cstdio>

namespace {
class Window : public QLabel {
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLabel::paintEvent(event);
        if (!painted_) {
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
    return QApplication::exec();
}
