// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameCheckBox.h"

#include "KeyboardFocus.h"
#include "ScreenScale.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QProxyStyle>

namespace zorbitan {

namespace {
// The desktop's tick box, its square and the gap before its words at the screen's scale.
class ScaledTickStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int designed = QProxyStyle::pixelMetric(metric, option, widget);
        const bool scales =
            metric == PM_IndicatorWidth || metric == PM_IndicatorHeight || metric == PM_CheckBoxLabelSpacing;
        return scales && widget != nullptr ? scaleOf(*widget).pixels(designed) : designed;
    }
};

QStyle* scaledTickStyle()
{
    static QPointer<QStyle> style; // one for the application, gone with it
    if (style == nullptr) {
        style = new ScaledTickStyle;
        style->setParent(qApp);
    }
    return style;
}
} // namespace

GameCheckBox::GameCheckBox(QWidget* parent) : QCheckBox(parent)
{
    setFocusPolicy(Qt::TabFocus);
    setStyle(scaledTickStyle());
}

// Space is the check box's own key; Enter and Return act the same way here.
void GameCheckBox::keyPressEvent(QKeyEvent* event)
{
    if (isActivationKey(*event) && event->key() != Qt::Key_Space && !event->isAutoRepeat()) {
        click();
        event->accept();
        return;
    }
    QCheckBox::keyPressEvent(event);
}

void GameCheckBox::paintEvent(QPaintEvent* event)
{
    QCheckBox::paintEvent(event);
    if (showsFocusMark(*this)) {
        QPainter painter(this);
        paintFocusMark(painter, rect(), palette().color(QPalette::WindowText));
    }
}

} // namespace zorbitan
