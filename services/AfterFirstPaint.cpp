// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "AfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <utility>

namespace zorbitan {

namespace {
// Runs its work as the first paint of any window begins, then goes. A child of the
// work's owner, so it goes with the owner, work undone.
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QObject& owner, std::function<void()> work) : QObject(&owner), work_(std::move(work))
    {
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && work_) {
            QCoreApplication::instance()->removeEventFilter(this);
            std::exchange(work_, nullptr)();
            deleteLater();
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> work_;
};
} // namespace

void beforeFirstPaint(QObject& owner, std::function<void()> work) { new FirstPaintWatcher(owner, std::move(work)); }

void afterFirstPaint(QObject& owner, std::function<void()> work)
{
    auto* soon = new QTimer(&owner);
    soon->setSingleShot(true);
    QObject::connect(soon, &QTimer::timeout, soon, [soon, work = std::move(work)] {
        work();
        soon->deleteLater();
    });
    beforeFirstPaint(owner, [soon] { soon->start(0); });
}

} // namespace zorbitan
