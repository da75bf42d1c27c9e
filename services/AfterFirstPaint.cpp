#include "AfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace zorbitan {

namespace {
class FirstPaintWatcher : public QObject {
public:
    FirstPaintWatcher(QObject& owner, std::function<void()> work) : QObject(&owner), work_(std::move(work))
    {
        soon_.setSingleShot(true);
        connect(&soon_, &QTimer::timeout, this, [this] {
            work_();
            deleteLater();
        });
        QCoreApplication::instance()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            QCoreApplication::instance()->removeEventFilter(this);
            soon_.start(0);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> work_;
    QTimer soon_;
};
} // namespace

void afterFirstPaint(QObject& owner, std::function<void()> work) { new FirstPaintWatcher(owner, std::move(work)); }

} // namespace zorbitan
