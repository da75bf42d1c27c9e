// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "KeyboardFocus.h"

#include "ScreenScale.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QWidget>

namespace zorbitan {

namespace {
bool isModifierKey(int key)
{
    return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta;
}

// Qt's own flag for "focus moved by keyboard" drives the style's focus marks (the tick
// boxes); the game's controls read it too. A screen opened from the keyboard shows its
// marks at once.
class KeyboardUseWatcher : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type == QEvent::KeyPress && !isModifierKey(static_cast<QKeyEvent*>(event)->key())) {
            inUse_ = true;
            markWindowOf(watched);
        } else if (type == QEvent::MouseButtonPress) {
            inUse_ = false;
            markWindowOf(watched);
        } else if (type == QEvent::WindowActivate) {
            markWindowOf(watched);
        }
        return false;
    }

private:
    void markWindowOf(QObject* watched) const
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget == nullptr) {
            return;
        }
        QWidget* window = widget->window();
        if (window->testAttribute(Qt::WA_KeyboardFocusChange) != inUse_) {
            window->setAttribute(Qt::WA_KeyboardFocusChange, inUse_);
            window->update();
        }
    }

    bool inUse_ = false;
};
} // namespace

void watchKeyboardUse()
{
    static QPointer<KeyboardUseWatcher> watcher;
    if (watcher == nullptr) {
        watcher = new KeyboardUseWatcher(qApp);
        qApp->installEventFilter(watcher);
    }
}

bool showsFocusMark(const QWidget& widget)
{
    return widget.hasFocus() && widget.window()->testAttribute(Qt::WA_KeyboardFocusChange);
}

void paintFocusMark(QPainter& painter, const QRect& box, const QColor& colour)
{
    const auto* control = dynamic_cast<const QWidget*>(painter.device());
    const double scale = control != nullptr ? scaleOf(*control).scale : 1;
    painter.setPen(QPen(colour, 2 * scale));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(box).adjusted(2 * scale, 2 * scale, -2 * scale, -2 * scale));
}

bool isActivationKey(const QKeyEvent& event)
{
    const int key = event.key();
    const bool plain = (event.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    return plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space);
}

} // namespace zorbitan
