// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "Accessibility.h"

#include "ClickLabel.h"

#include <QAccessibleWidget>

namespace zorbitan {

namespace {
class ClickLabelAccessible : public QAccessibleWidget {
public:
    explicit ClickLabelAccessible(ClickLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) {
            return label()->text();
        }
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override { return QStringList{pressAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override
    {
        if (action == pressAction()) {
            label()->activate();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    ClickLabel* label() const { return static_cast<ClickLabel*>(widget()); }
};

QAccessibleInterface* accessibleControl(const QString& className, QObject* object)
{
    if (className == QLatin1String("zorbitan::ClickLabel")) {
        if (auto* label = qobject_cast<ClickLabel*>(object)) {
            return new ClickLabelAccessible(label);
        }
    }
    return nullptr;
}
} // namespace

void registerAccessibleControls()
{
    static bool registered = false;
    if (!registered) {
        QAccessible::installFactory(accessibleControl);
        registered = true;
    }
}

void setAccessibleNameIfChanged(QWidget& widget, const QString& name)
{
    if (widget.accessibleName() != name) {
        widget.setAccessibleName(name);
    }
}

Announcements& Announcements::instance()
{
    static Announcements announcements;
    return announcements;
}

void announce(QWidget& widget)
{
    // Qt's Linux bridge forwards no alert, but a screen reader reads out a change of the
    // focused control's description: the control with the focus (or the window) carries it.
    QWidget* focused = widget.window()->focusWidget();
    QWidget& teller = focused != nullptr ? *focused : *widget.window();
    const QString message = QAccessible::queryAccessibleInterface(&widget)->text(QAccessible::Name);
    if (teller.accessibleDescription() == message) { // told again, so changed again
        teller.setAccessibleDescription(QString());
    }
    teller.setAccessibleDescription(message);
    emit Announcements::instance().announced(&widget);
}

} // namespace zorbitan
