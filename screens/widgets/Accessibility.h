// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>

class QString;
class QWidget;

namespace zorbitan {

// How the game's controls appear to screen readers and other assistive technology.

// Makes the game's clickable labels buttons: named by their text unless given a name,
// and pressed as a click would. Safe to call again.
void registerAccessibleControls();

// Names the widget for assistive technology, telling it only when the name changes.
void setAccessibleNameIfChanged(QWidget& widget, const QString& name);

// Tells assistive technology that the widget's message has appeared or changed, so it
// is read out. Each announcement is also signalled, for whatever else follows them.
void announce(QWidget& widget);

class Announcements : public QObject {
    Q_OBJECT
public:
    static Announcements& instance();

signals:
    void announced(QWidget* widget);
};

} // namespace zorbitan
