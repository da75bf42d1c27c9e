// SPDX-FileCopyrightText: 2026 The Zorbitan developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "LayoutCheck.h"

#include "GamePaths.h"

#include <QtWidgets>
#include <cmath>
#include <map>

namespace zorbitan::testing {

namespace {
// One line of a table: name | kind | left top width height | words | colours | font | flags.
struct Row {
    QString name, kind, words, family;
    QRect twips;                       // as the table gives it
    QRect rect;                        // in pixels at the scale checked
    std::map<QString, QColor> colours; // "fill", "box", "back" at the edges; "text", "player", "rim" inside
    double points = 0;
    int pixels = 0; // the face's size at the scale checked
    bool bold = false;
    QStringList flags; // "hidden", "ticked", "grows" (a one-line caption that grows around its centre)
};

int pixels(double twips, double scale) { return static_cast<int>(std::lround(twips * scale / 15.0)); }

Row rowFrom(const QString& line)
{
    const QStringList cells = line.split(QLatin1Char('|'));
    const auto words = [&](int cell) { return cells.value(cell).split(QLatin1Char(' '), Qt::SkipEmptyParts); };
    Row row;
    std::tie(row.name, row.kind, row.words) =
        std::tuple(cells.value(0).trimmed(), cells.value(1).trimmed(), cells.value(3).trimmed());
    const QStringList place = words(2);
    row.twips = QRect(place.value(0).toInt(), place.value(1).toInt(), place.value(2).toInt(), place.value(3).toInt());
    // Colours as the layout writes them: (255, 255, 0), or 0x00BBGGRR.
    static const QRegularExpression colour(QStringLiteral("(\\w+) (\\(([^)]*)\\)|0x([0-9A-Fa-f]+))"));
    for (const auto& match : colour.globalMatch(cells.value(4))) {
        const QStringList rgb = match.captured(3).split(QLatin1Char(','));
        const uint bgr = match.captured(4).toUInt(nullptr, 16);
        row.colours[match.captured(1)] = match.captured(4).isEmpty()
                                             ? QColor(rgb.value(0).toInt(), rgb.value(1).toInt(), rgb.value(2).toInt())
                                             : QColor(int(bgr & 0xFFU), int((bgr >> 8U) & 0xFFU), int(bgr >> 16U));
    }
    const QStringList font = words(5); // Arial is drawn in Liberation Sans, its metric twin
    row.family = font.value(0) == QLatin1String("Arial") ? QStringLiteral("Liberation Sans") : font.value(0);
    row.points = font.value(1).toDouble();
    row.bold = font.contains(QStringLiteral("bold"));
    row.flags = words(6);
    return row;
}

// The table's rows for a state, by control name, in pixels at the scale from the origin.
// "squares" and "numbers" rows stand for the board's: ten rows of ten, 660 twips apart.
std::map<QString, Row> rowsFor(const QString& screen, const QString& state, double scale, QPoint origin = {})
{
    QFile file(QStringLiteral(LAYOUT_FOLDER "/%1.txt").arg(screen));
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    std::map<QString, Row> rows;
    QString section;
    for (QTextStream in(&file); !in.atEnd();) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char('['))) {
            section = line.mid(1, line.indexOf(QLatin1Char(']')) - 1);
            continue;
        }
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')) || !(section.isEmpty() || section == state)) {
            continue;
        }
        const Row row = rowFrom(line);
        const bool squares = row.kind == QLatin1String("squares");
        if (!squares && row.kind != QLatin1String("numbers")) {
            rows[row.name] = row;
            continue;
        }
        for (int n = 1; n <= 100; ++n) {
            Row one = row;
            one.kind = squares ? QStringLiteral("fill") : QStringLiteral("label");
            one.name = row.name + QStringLiteral("_%1").arg(n);
            one.twips.translate(QPoint((n - 1) % 10, (n - 1) / 10) * 660);
            one.words = squares ? QString() : QString::number(n);
            if (!squares || row.words.split(QLatin1Char(' ')).contains(QString::number(n))) {
                rows[one.name] = one;
            }
        }
    }
    for (auto& [name, row] : rows) {
        const QRect& t = row.twips;
        row.rect = QRect(QPoint(pixels(t.x(), scale), pixels(t.y(), scale)),
                         QPoint(pixels(t.x() + t.width(), scale) - 1, pixels(t.y() + t.height(), scale) - 1))
                       .translated(origin);
        row.pixels = static_cast<int>(std::lround(row.points * 96.0 / 72.0 * scale));
    }
    return rows;
}

int distance(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
}

int pixelsLike(const QImage& shot, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += distance(shot.pixelColor(x, y), colour) <= 60 ? 1 : 0;
        }
    }
    return count;
}

// How much of the area the words cover: each pixel counted by how near it comes to their
// colour from the colour behind them.
double inkOf(const QImage& shot, const QRect& area, const QColor& ink, const QColor& back)
{
    double covered = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            covered += std::max(0.0, 1.0 - 1.0 * distance(shot.pixelColor(x, y), ink) / distance(back, ink));
        }
    }
    return covered;
}

// Within a pixel on every edge; exactly at the design's size.
bool near(const QRect& at, const QRect& wanted, double scale)
{
    const QRect off(at.topLeft() - wanted.topLeft(), at.bottomRight() - wanted.bottomRight());
    return std::max({std::abs(off.left()), std::abs(off.top()), std::abs(off.right()), std::abs(off.bottom())}) <=
           (scale == 1 ? 0 : 1);
}

// The picture from the corner at the scale: exactly at scale 1; else, what the shot shows
// shrunk back to the picture's size, each colour within a few steps on average.
bool showsPicture(const QImage& shot, const QPoint& corner, const QImage& wanted, double scale)
{
    const QSize size = wanted.size();
    const QSize shown(pixels(size.width() * 15, scale), pixels(size.height() * 15, scale));
    const QImage seen = shot.copy(QRect(corner, shown)).scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    long difference = 0;
    for (int i = 0; i < size.width() * size.height(); ++i) {
        const QPoint at(i % size.width(), i / size.width());
        difference += distance(seen.pixelColor(at), wanted.pixelColor(at));
    }
    return !wanted.isNull() && difference <= (scale == 1 ? 0 : 30L * size.width() * size.height());
}

// The steps an edge takes, on average: a slope of grey along a line rising or falling a quarter
// of black to white; -1 for too few. Words drawn at their size keep it; scaled up, it widens.
double edgeWidth(const QImage& shot, const QRect& area)
{
    int edges = 0;
    int steps = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left() + 1, rise = 0, run = 0; x <= area.right() + 1; ++x) {
            const int step = x <= area.right() ? qGray(shot.pixel(x, y)) - qGray(shot.pixel(x - 1, y)) : 0;
            const bool goesOn = std::abs(step) > 8 && (run == 0 || (step > 0) == (rise > 0));
            edges += !goesOn && std::abs(rise) >= 64 ? 1 : 0;
            steps += !goesOn && std::abs(rise) >= 64 ? run : 0;
            rise = goesOn ? rise + step : (std::abs(step) > 8 ? step : 0);
            run = goesOn ? run + 1 : (rise != 0 ? 1 : 0);
        }
    }
    return edges < 8 ? -1 : static_cast<double>(steps) / edges;
}
// What each control of the screen checked last at the design's size looked like there.
struct AtDesign {
    double edges = -1; // the steps of its edges
    int square = 0;    // the width of a tick box's white square
    double ink = 0;    // how much its words cover, for each square pixel of its face
};
std::map<QString, AtDesign> atDesign;

// The longest run of white on any line of the area: the inside of a tick box's square.
int widestWhite(const QImage& shot, const QRect& area)
{
    int widest = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(), run = 0; x <= area.right(); ++x) {
            run = shot.pixel(x, y) == qRgb(255, 255, 255) ? run + 1 : 0;
            widest = std::max(widest, run);
        }
    }
    return widest;
}

QString where(const QRect& r)
{
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

// What differs between a control as drawn and its row.
QStringList compare(QWidget& widget, const Row& row, const QImage& shot, double scale)
{
    QStringList wrong;
    const auto expect = [&](bool holds, const QString& what) { wrong << (holds ? QString() : row.name + ": " + what); };
    const QRect at = widget.geometry();
    const bool hidden = row.flags.contains(QStringLiteral("hidden"));
    expect(row.kind == QLatin1String("overlay") || widget.isVisible() != hidden, hidden ? "shown" : "hidden");
    if (hidden || !widget.isVisible() || row.kind == QLatin1String("overlay")) { // an overlay is no control
        return wrong;
    }
    const bool grows = row.flags.contains(QStringLiteral("grows"));
    expect(grows
               ? std::abs(2 * (at.left() - row.rect.left()) + at.width() - row.rect.width()) <= (scale == 1 ? 1 : 3) &&
                     at.top() == row.rect.top() && at.width() >= row.rect.width()
               : near(at, row.rect, scale),
           QStringLiteral("at %1, not %2").arg(where(at), where(row.rect)));
    // To the twip as designed: a control a little off may round to the same pixel at these sizes.
    const QRect twips = widget.property("zorbitanTwips").toRect();
    expect(twips.isNull() || twips == row.twips, QStringLiteral("designed at %1 twips").arg(where(twips)));
    if (row.kind == QLatin1String("picture") || row.kind == QLatin1String("counter")) {
        const QImage picture = QImage(resolveGamePath(row.words.toStdString())).convertToFormat(shot.format());
        expect(showsPicture(shot, at.topLeft(), picture, scale), "does not show " + row.words);
    } else if (!row.words.isEmpty()) {
        expect(textOf(widget) == row.words, QStringLiteral("reads \"%1\"").arg(textOf(widget)));
    }
    // Bold as asked: Tahoma's bold is drawn from its regular face, which the face found reports.
    const QFontInfo font(widget.font());
    const QString face = QStringLiteral("%1 %2 px").arg(font.family()).arg(font.pixelSize());
    expect(row.family.isEmpty() || (font.family() == row.family && widget.font().bold() == row.bold &&
                                    std::abs(font.pixelSize() - row.pixels) <= (scale == 1 ? 0 : 1)),
           "in " + face + (widget.font().bold() ? " bold" : ""));
    const QRect inside = at.intersected(shot.rect()).adjusted(2, 2, -3, -3);
    const auto* box = qobject_cast<const QCheckBox*>(&widget);
    const auto text = row.colours.find(QStringLiteral("text"));
    const QColor behind = shot.pixelColor(inside.topLeft());
    const bool words = text != row.colours.end() && text->second != behind && !textOf(widget).isEmpty();
    const AtDesign seen{scale == 1 || scale == 2 ? edgeWidth(shot, inside) : -1,
                        box == nullptr ? 0 : widestWhite(shot, at.intersected(shot.rect())),
                        words ? inkOf(shot, inside, text->second, behind) / std::pow(font.pixelSize(), 2) : 0};
    const AtDesign designed = scale == 1 ? (atDesign[row.name] = seen) : atDesign[row.name];
    expect(scale != 2 || seen.edges < 0 || designed.edges < 0 || seen.edges <= designed.edges + 1,
           QStringLiteral("a picture scaled up: edges of %1 px, of %2 at 1")
               .arg(seen.edges, 0, 'f', 1)
               .arg(designed.edges));
    expect(seen.ink >= 0.85 * designed.ink, // bold words drawn unthickened weigh 0.75 at most
           QStringLiteral("its words weigh %1 of their weight at 1").arg(seen.ink / designed.ink, 0, 'f', 2));
    for (const auto& [role, colour] : row.colours) {
        if (!QStringList{"fill", "box", "back"}.contains(role)) { // drawn inside
            expect(pixelsLike(shot, inside, colour) >= 4, QStringLiteral("no %1 drawn in %2").arg(role, colour.name()));
            continue;
        }
        for (const QPoint corner : {inside.topLeft(), inside.topRight(), inside.bottomLeft(), inside.bottomRight()}) {
            const QString seen = shot.pixelColor(corner).name();
            expect(seen == colour.name(),
                   QStringLiteral("%1 is %2 at %3, not %4").arg(role, seen, where({corner, corner}), colour.name()));
        }
    }
    if (const QRect window = widget.parentWidget()->rect(); !textOf(widget).isEmpty() && !window.contains(at)) {
        QImage drawn(at.size(), QImage::Format_ARGB32); // its own drawing outside the window: words cut
        drawn.fill(Qt::transparent);
        const QImage nothing = drawn;
        widget.render(&drawn, {}, QRegion(widget.rect()).subtracted(window.translated(-at.topLeft())), {});
        expect(drawn == nothing, "its words are cut at the window's edge");
    }
    expect(box == nullptr || box->isChecked() == row.flags.contains(QStringLiteral("ticked")), "ticked wrongly");
    expect(std::abs(seen.square - designed.square * scale) <= 1 + scale, // its frame may stay a pixel wide
           QStringLiteral("its square is %1 px wide inside, %2 at 1").arg(seen.square).arg(designed.square));
    return wrong;
}
// The window dragged to the size by its frame, against the table at the scale that fills it.
QStringList differencesInWindow(QWidget& screen, const QString& state, const QSize& window, double& scale)
{
    const QRect design = rowsFor(screen.objectName(), state, 1)[screen.objectName()].twips;
    scale = std::min(window.width() * 15.0 / design.width(), window.height() * 15.0 / design.height());
    const QPoint origin((window.width() - pixels(design.width(), scale)) / 2,
                        (window.height() - pixels(design.height(), scale)) / 2);
    const std::map<QString, Row> rows = rowsFor(screen.objectName(), state, scale, origin);
    if (rows.empty()) {
        return {QStringLiteral("no layout table for ") + screen.objectName()};
    }
    screen.resize(window);
    const QImage shot = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QDir().mkpath(QStringLiteral(SCREENSHOT_FOLDER));
    shot.save(QStringLiteral(SCREENSHOT_FOLDER "/layout-%1-%2%3.png")
                  .arg(screen.objectName(),
                       state.isEmpty() ? QStringLiteral("opened") : QString(state).replace(' ', '-'),
                       scale == 1 ? QString() : QStringLiteral("-at-%1").arg(scale, 0, 'g', 3)));
    QStringList differences;
    for (const auto& [name, row] : rows) {
        auto* widget = screen.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly);
        if (row.kind == QLatin1String("window")) { // the client area, centred on the display, in its colour
            const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center() + QPoint(1, 1);
            const QRect centred(centre - QPoint(row.rect.width(), row.rect.height()) / 2, row.rect.size());
            const QColor back = row.colours.at(QStringLiteral("back"));
            if ((scale == 1 && screen.geometry() != centred) || shot.pixelColor(2, 2) != back) {
                differences << QStringLiteral("the window is not centred at its size in its colour");
            }
            for (int i = 0; i < shot.width() * shot.height(); ++i) { // even margins in that colour alone
                const QPoint at(i % shot.width(), i / shot.width());
                if (!row.rect.adjusted(-1, -1, 1, 1).contains(at) && shot.pixelColor(at) != back) {
                    differences << "the margin is " + shot.pixelColor(at).name() + " at " + where({at, at});
                    break;
                }
            }
        } else {
            differences << (widget != nullptr ? compare(*widget, row, shot, scale)
                                              : QStringList{name + ": no such control"});
        }
    }
    for (const QWidget* child : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        differences << (child->isVisible() && !rows.contains(child->objectName())
                            ? child->objectName() + QStringLiteral(" is shown but not in the layout")
                            : QString());
    }
    differences.removeAll(QString());
    return differences;
}
} // namespace

QStringList differencesFromLayout(QWidget& screen, const QString& state)
{
    const QSize designed = screen.size();
    // Larger, then maximised on displays wider and taller than the design; the backdrop
    // covers the display at any size. No more room is {0, 0}: a QSize() is -1 x -1.
    const QSize wider(designed.width() / 3, 0);
    const QSize taller(0, designed.height() / 4);
    const QList<std::pair<double, QSize>> sizes{{1, {0, 0}},   {1.5, {0, 0}}, {2, {0, 0}},
                                                {1.3, {0, 0}}, {2.42, wider}, {1.7, taller}};
    QStringList differences;
    for (const auto& [size, more] : screen.objectName() == "Grey" ? sizes.mid(0, 1) : sizes) {
        double scale = 1;
        for (const QString& difference : differencesInWindow(screen, state, designed * size + more, scale)) {
            differences << (scale == 1 ? QString() : QStringLiteral("at %1 times: ").arg(scale, 0, 'g', 3)) +
                               difference;
        }
    }
    screen.resize(designed);
    return differences;
}

QString textOf(const QWidget& widget)
{
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const auto* box = qobject_cast<const QCheckBox*>(&widget);
    return label != nullptr ? label->text() : box != nullptr ? box->text() : QString();
}

} // namespace zorbitan::testing
