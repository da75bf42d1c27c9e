// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "GameStyle.h"

#include "ScreenScale.h"
#include "widgets/LargeWords.h"

#include <QApplication>
#include <QPaintEngine>
#include <QPainter>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QTextItem>
#include <cmath>
#include <vector>

namespace zorbitan {

namespace {
// A device that draws nothing and keeps the words laid out on it, each run at its
// baseline, in its face and colour, as Qt lays them out on the device it stands for.
class LaidOutWords : public QPaintDevice, QPaintEngine {
public:
    struct Run {
        QPointF baseline;
        QFont font;
        QString text;
        QBrush colour;
    };

    explicit LaidOutWords(const QPaintDevice& device) : QPaintEngine(AllFeatures), device_(device) {}

    std::vector<Run> runs;

    QPaintEngine* paintEngine() const override { return const_cast<LaidOutWords*>(this); }
    bool begin(QPaintDevice* /*device*/) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& /*state*/) override {}
    void drawPixmap(const QRectF& /*r*/, const QPixmap& /*pm*/, const QRectF& /*sr*/) override {}
    void drawTextItem(const QPointF& baseline, const QTextItem& item) override
    {
        runs.push_back({baseline, item.font(), item.text(), painter()->pen().brush()});
    }
    Type type() const override { return User; }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth: return device_.width();
        case PdmHeight: return device_.height();
        case PdmDpiX: return device_.logicalDpiX();
        case PdmDpiY: return device_.logicalDpiY();
        case PdmDevicePixelRatioScaled: return static_cast<int>(device_.devicePixelRatioF() * devicePixelRatioFScale());
        default: return QPaintDevice::metric(metric);
        }
    }

private:
    const QPaintDevice& device_;
};

class GameStyle : public QProxyStyle {
public:
    GameStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

    // The tick box's square and the gap before its words, at its screen's scale.
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const int designed = QProxyStyle::pixelMetric(metric, option, widget);
        const bool scales =
            metric == PM_IndicatorWidth || metric == PM_IndicatorHeight || metric == PM_CheckBoxLabelSpacing;
        return scales && widget != nullptr ? scaleOf(*widget).pixels(designed) : designed;
    }

    // Words in a face too large for Qt to keep its letters drawn are laid out as Qt lays
    // them out and drawn by the game, which keeps them, thickened where they are bold.
    void drawItemText(QPainter* painter, const QRect& rect, int flags, const QPalette& palette, bool enabled,
                      const QString& text, QPalette::ColorRole role) const override
    {
        const qreal face = painter->font().pixelSize() * std::sqrt(std::abs(painter->deviceTransform().determinant()));
        if (face < smallestOutlinedFace) {
            QProxyStyle::drawItemText(painter, rect, flags, palette, enabled, text, role);
            return;
        }
        LaidOutWords words(*painter->device());
        {
            QPainter layout(&words);
            layout.setFont(painter->font());
            layout.setPen(painter->pen());
            QProxyStyle::drawItemText(&layout, rect, flags, palette, enabled, text, role);
        }
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        for (const LaidOutWords::Run& run : words.runs) {
            drawWords(*painter, run.baseline, run.font, run.text, run.colour);
        }
        painter->restore();
    }
};
} // namespace

void useGameStyle()
{
    auto* style = new GameStyle;
    style->setParent(qApp); // the application's, as Qt makes it in setStyle
    QApplication::setStyle(style);
}

} // namespace zorbitan
