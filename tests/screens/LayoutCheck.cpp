#include "LayoutCheck.h"

#include "GamePaths.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QRegularExpression>
#include <QScreen>
#include <QTextStream>
#include <QWidget>
#include <cmath>
#include <map>

namespace zorbitan::testing {

namespace {
// One line of a table: name | kind | left top width height | words | colours | font | flags.
struct Row {
    QString name, kind;
    QRect rect; // in pixels
    QString words;
    std::map<QString, QColor> colours; // "text", "fill", "box", "back", "player"
    QString family;
    int pixels = 0;
    bool bold = false;
    QStringList flags; // "hidden", "ticked", "unticked", "grows"
};

int pixels(double twips) { return static_cast<int>(std::lround(twips / 15.0)); }

// (255, 255, 0), or 0x00BBGGRR as the layout writes them.
QColor colourFrom(const QString& text)
{
    if (text.startsWith(QLatin1String("0x"))) {
        const uint bgr = text.toUInt(nullptr, 16);
        return {int(bgr & 0xFFU), int((bgr >> 8U) & 0xFFU), int((bgr >> 16U) & 0xFFU)};
    }
    const QStringList rgb = QString(text).remove(QRegularExpression(QStringLiteral("[() ]"))).split(QLatin1Char(','));
    return {rgb.value(0).toInt(), rgb.value(1).toInt(), rgb.value(2).toInt()};
}

Row rowFrom(const QString& line)
{
    const QStringList cells = line.split(QLatin1Char('|'));
    Row row;
    row.name = cells.value(0).trimmed();
    row.kind = cells.value(1).trimmed();
    const QStringList place = cells.value(2).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    row.rect = QRect(pixels(place.value(0).toDouble()), pixels(place.value(1).toDouble()),
                     pixels(place.value(2).toDouble()), pixels(place.value(3).toDouble()));
    row.words = cells.value(3).trimmed();
    static const QRegularExpression colour(QStringLiteral("(\\w+) (\\([^)]*\\)|0x[0-9A-Fa-f]+)"));
    for (const auto& match : colour.globalMatch(cells.value(4))) {
        row.colours[match.captured(1)] = colourFrom(match.captured(2));
    }
    const QStringList font = cells.value(5).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    // Arial is drawn in Liberation Sans, its metric twin.
    row.family = font.value(0) == QLatin1String("Arial") ? QStringLiteral("Liberation Sans") : font.value(0);
    row.pixels = static_cast<int>(std::lround(font.value(1).toDouble() * 96.0 / 72.0));
    row.bold = font.contains(QStringLiteral("bold"));
    row.flags = cells.value(6).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return row;
}

// The table's rows for a state, by control name; "Shape1 | squares" and "Label1 |
// numbers" rows stand for the board's hundred squares and numbers.
std::map<QString, Row> rowsFor(const QString& screen, const QString& state)
{
    QFile file(QStringLiteral(LAYOUT_FOLDER "/%1.txt").arg(screen));
    file.open(QIODevice::ReadOnly | QIODevice::Text);
    std::map<QString, Row> rows;
    QString section;
    for (QTextStream in(&file); !in.atEnd();) {
        const QString line = in.readLine();
        if (line.startsWith(QLatin1Char('['))) {
            section = line.mid(1, line.indexOf(QLatin1Char(']')) - 1);
        } else if (!line.trimmed().isEmpty() && !line.startsWith(QLatin1Char('#')) &&
                   (section.isEmpty() || section == state)) {
            const Row row = rowFrom(line);
            rows[row.kind == QLatin1String("squares") ? row.name + row.words : row.name] = row;
        }
    }
    return rows;
}

// The board's squares and numbers: ten rows of ten from the template, 60 twips apart.
void expandBoard(std::map<QString, Row>& rows)
{
    std::map<int, QColor> squareColour;
    for (auto it = rows.begin(); it != rows.end();) {
        const Row group = it->second;
        if (group.kind != QLatin1String("squares") && group.kind != QLatin1String("numbers")) {
            ++it;
            continue;
        }
        it = rows.erase(it);
        const bool squares = group.kind == QLatin1String("squares");
        const QStringList numbers = squares ? group.words.split(QLatin1Char(' '), Qt::SkipEmptyParts) : QStringList();
        for (int n = 1; n <= 100; ++n) {
            if (squares && !numbers.contains(QString::number(n))) {
                continue;
            }
            Row one = group;
            one.kind = squares ? QStringLiteral("fill") : QStringLiteral("label");
            one.name = group.name + QStringLiteral("_%1").arg(n);
            one.rect.moveTo(group.rect.topLeft() + QPoint((n - 1) % 10, (n - 1) / 10) * pixels(660));
            one.words = squares ? QString() : QString::number(n);
            rows[one.name] = one;
        }
    }
}

bool near(const QColor& a, const QColor& b)
{
    return std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue()) <= 60;
}

int pixelsLike(const QImage& shot, const QRect& area, const QColor& colour)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += near(shot.pixelColor(x, y), colour) ? 1 : 0;
        }
    }
    return count;
}

// What differs between a control as drawn and its row.
QStringList compare(const QWidget& widget, const Row& row, const QImage& shot)
{
    QStringList wrong;
    const auto expect = [&](bool holds, const QString& what) {
        if (!holds) {
            wrong << row.name + QStringLiteral(": ") + what;
        }
    };
    if (row.kind == QLatin1String("overlay")) { // no control of the layout: it only lies over them
        return wrong;
    }
    const bool hidden = row.flags.contains(QStringLiteral("hidden"));
    expect(widget.isVisible() != hidden, hidden ? QStringLiteral("shown") : QStringLiteral("hidden"));
    if (hidden) {
        return wrong;
    }
    const QRect at = widget.geometry();
    if (row.flags.contains(QStringLiteral("grows"))) { // a one-line caption grows around its centre
        const int centre = 2 * row.rect.left() + row.rect.width();
        expect(std::abs(2 * at.left() + at.width() - centre) <= 1 && at.top() == row.rect.top() &&
                   at.width() >= row.rect.width(),
               QStringLiteral("at %1,%2 %3 wide, not grown around %4")
                   .arg(at.x())
                   .arg(at.y())
                   .arg(at.width())
                   .arg(centre / 2));
    } else {
        expect(at == row.rect, QStringLiteral("at %1,%2 %3x%4, not %5,%6 %7x%8")
                                   .arg(at.x())
                                   .arg(at.y())
                                   .arg(at.width())
                                   .arg(at.height())
                                   .arg(row.rect.x())
                                   .arg(row.rect.y())
                                   .arg(row.rect.width())
                                   .arg(row.rect.height()));
    }
    const QRect inside = at.intersected(shot.rect()).adjusted(2, 2, -3, -3);
    const auto* label = qobject_cast<const QLabel*>(&widget);
    const auto* box = qobject_cast<const QCheckBox*>(&widget);
    const QString shown = label != nullptr ? label->text() : box != nullptr ? box->text() : QString();
    if (row.kind == QLatin1String("picture") || row.kind == QLatin1String("counter")) {
        const QImage picture(resolveGamePath(row.words.toStdString()));
        expect(!picture.isNull() &&
                   shot.copy(QRect(at.topLeft(), picture.size())) == picture.convertToFormat(shot.format()),
               QStringLiteral("does not show %1").arg(row.words));
    } else if (!row.words.isEmpty()) {
        expect(shown == row.words, QStringLiteral("reads \"%1\"").arg(shown));
    }
    if (!row.family.isEmpty()) {
        const QFontInfo font(widget.font());
        expect(
            font.family() == row.family && font.pixelSize() == row.pixels && font.bold() == row.bold,
            QStringLiteral("in %1 %2 px%3").arg(font.family()).arg(font.pixelSize()).arg(font.bold() ? " bold" : ""));
    }
    for (const auto& [role, colour] : row.colours) {
        if (role == QLatin1String("text") || role == QLatin1String("player")) { // strokes of that colour inside
            expect(pixelsLike(shot, inside, colour) >= 4, QStringLiteral("no %1 drawn in %2").arg(role, colour.name()));
        } else { // a filled area: its edges, just inside any border
            for (const QPoint corner :
                 {inside.topLeft(), inside.topRight(), inside.bottomLeft(), inside.bottomRight()}) {
                expect(shot.pixelColor(corner) == colour, QStringLiteral("%1 is %2 at %3,%4, not %5")
                                                              .arg(role, shot.pixelColor(corner).name())
                                                              .arg(corner.x())
                                                              .arg(corner.y())
                                                              .arg(colour.name()));
            }
        }
    }
    if (box != nullptr) {
        expect(box->isChecked() == row.flags.contains(QStringLiteral("ticked")), QStringLiteral("ticked wrongly"));
    }
    return wrong;
}
} // namespace

QStringList differencesFromLayout(QWidget& screen, const QString& state)
{
    std::map<QString, Row> rows = rowsFor(screen.objectName(), state);
    expandBoard(rows);
    QStringList differences;
    if (rows.empty()) {
        return {QStringLiteral("no layout table for ") + screen.objectName()};
    }
    const QImage shot = screen.grab().toImage().convertToFormat(QImage::Format_RGB32);
    QDir().mkpath(QStringLiteral(SCREENSHOT_FOLDER));
    shot.save(
        QStringLiteral(SCREENSHOT_FOLDER "/layout-%1-%2.png")
            .arg(screen.objectName(), state.isEmpty() ? QStringLiteral("opened") : QString(state).replace(' ', '-')));
    for (const auto& [name, row] : rows) {
        if (row.kind == QLatin1String("window")) { // the client area, centred on the display
            const QRect display = QGuiApplication::primaryScreen()->availableGeometry();
            const QRect centred(display.center() - QPoint(row.rect.width(), row.rect.height()) / 2 + QPoint(1, 1),
                                row.rect.size());
            if (screen.geometry() != centred || shot.pixelColor(2, 2) != row.colours.at(QStringLiteral("back"))) {
                differences << QStringLiteral(
                                   "the window is at %1,%2 %3x%4, not centred at %5x%6, or not in its colour")
                                   .arg(screen.x())
                                   .arg(screen.y())
                                   .arg(screen.width())
                                   .arg(screen.height())
                                   .arg(row.rect.width())
                                   .arg(row.rect.height());
            }
        } else if (const auto* widget = screen.findChild<QWidget*>(name, Qt::FindDirectChildrenOnly)) {
            differences << compare(*widget, row, shot);
        } else {
            differences << name + QStringLiteral(": no such control");
        }
    }
    for (const QWidget* child : screen.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->isVisible() && !rows.contains(child->objectName())) {
            differences << child->objectName() + QStringLiteral(" is shown but not in the layout");
        }
    }
    return differences;
}

} // namespace zorbitan::testing
