#include "AfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace zorbitan {

namespace {
class FirstPaintWatcher : public QObject {
public:
    enum class When { Before, After };

    FirstPaintWatcher(QObject& owner, std::function<void()> work, When when)
        : QObject(&owner), work_(std::move(work)), when_(when)
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
            if (when_ == When::Before) {
                work_();
                deleteLater();
            } else {
                soon_.start(0);
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> work_;
    When when_;
    QTimer soon_;
};
} // namespace

void beforeFirstPaint(QObject& owner, std::function<void()> work)
{
    new FirstPaintWatcher(owner, std::move(work), FirstPaintWatcher::When::Before);
}

void afterFirstPaint(QObject& owner, std::function<void()> work)
{
    new FirstPaintWatcher(owner, std::move(work), FirstPaintWatcher::When::After);
}

} // namespace zorbitan
