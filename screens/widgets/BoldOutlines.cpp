// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "BoldOutlines.h"

#include <QLineF>
#include <algorithm>
#include <vector>

namespace zorbitan {

namespace {
// The points of one closed outline, its curves' control points among them, in order.
struct Contour {
    int first = 0; // the path's element of its first point
    std::vector<QPointF> points;
};

std::vector<Contour> contoursOf(const QPainterPath& path)
{
    std::vector<Contour> contours;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        if (element.isMoveTo() || contours.empty()) {
            contours.push_back({i, {}});
        }
        contours.back().points.emplace_back(element.x, element.y);
    }
    return contours;
}

// Twice the area the outlines enclose, signed by the way they run round.
qreal signedArea(const std::vector<Contour>& contours)
{
    qreal area = 0;
    for (const Contour& contour : contours) {
        const std::vector<QPointF>& p = contour.points;
        for (std::size_t i = 0; i < p.size(); ++i) {
            const QPointF& next = p[(i + 1) % p.size()];
            area += p[i].x() * next.y() - next.x() * p[i].y();
        }
    }
    return area;
}

// How far a corner between two edges moves: along the bisector of its two edges' outward normals, by half
// the strength across each edge; a corner that turns back on itself by more than about
// 150 degrees stays, and an inward corner moves no further than its shorter edge allows.
QPointF shiftOf(QPointF in, QPointF out, qreal half, qreal outward)
{
    const qreal inLength = std::hypot(in.x(), in.y());
    const qreal outLength = std::hypot(out.x(), out.y());
    in /= inLength;
    out /= outLength;
    const qreal turn = 1 + QPointF::dotProduct(in, out);
    if (turn <= 1.0 / 16) {
        return {};
    }
    const auto normal = [outward](QPointF v) { return outward * QPointF(v.y(), -v.x()); };
    const QPointF bisector = normal(in) + normal(out);
    const qreal inward = QPointF::dotProduct(normal(in), out);
    const qreal shorter = std::min(inLength, outLength);
    return bisector * (half * inward <= shorter * turn ? half / turn : shorter / inward);
}

void embolden(Contour& contour, qreal half, qreal outward)
{
    std::vector<QPointF>& p = contour.points;
    const std::size_t n = p.size();
    std::vector<QPointF> moved = p;
    for (std::size_t i = 0; i < n; ++i) {
        // The nearest points before and after this one that are not on it.
        std::size_t before = (i + n - 1) % n;
        std::size_t after = (i + 1) % n;
        while (before != i && p[before] == p[i]) {
            before = (before + n - 1) % n;
        }
        while (after != i && p[after] == p[i]) {
            after = (after + 1) % n;
        }
        if (before == i) {
            break; // a contour of one point
        }
        moved[i] = p[i] + shiftOf(p[i] - p[before], p[after] - p[i], half, outward) + QPointF(half, -half);
    }
    p = std::move(moved);
}
} // namespace

QPainterPath emboldened(const QPainterPath& outlines, qreal strength)
{
    std::vector<Contour> contours = contoursOf(outlines);
    const qreal outward = signedArea(contours) > 0 ? 1 : -1;
    QPainterPath bold = outlines;
    for (Contour& contour : contours) {
        embolden(contour, strength / 2, outward);
        for (std::size_t i = 0; i < contour.points.size(); ++i) {
            bold.setElementPositionAt(contour.first + static_cast<int>(i), contour.points[i].x(),
                                      contour.points[i].y());
        }
    }
    return bold;
}

} // namespace zorbitan
