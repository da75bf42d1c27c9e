#include "Board.h"
#include "QtConversions.h"
#include "ScreenTest.h"
#include "fan1.h"
#include "widgets/ShapeWidget.h"

#include <QCheckBox>
#include <QFontInfo>
#include <QLabel>

using namespace zorbitan;
using zorbitan::testing::ScreenTest;

namespace {
class GameScreenView : public ScreenTest {
protected:
    GameScreenView() { playersAtLevels({1, 1}); }

    template <typename Widget = QWidget> Widget& control(const char* name)
    {
        return ScreenTest::control<Widget>(navigator.find<fan1>(), name);
    }

    QColor textColour(const char* name) { return control<QLabel>(name).palette().color(QPalette::WindowText); }
};
} // namespace

// Every control where the layout puts it (twips / 15), in its face and size.
TEST_F(GameScreenView, ControlsStandWhereTheLayoutPutsThem)
{
    fan1& screen = navigator.show<fan1>();
    EXPECT_EQ(screen.size(), QSize(798, 598));
    EXPECT_EQ(screen.minimumSize(), screen.maximumSize());
    EXPECT_EQ(screen.pos(), QPoint(241, 213));
    struct Placement {
        const char* name;
        QRect pixels;
        const char* family;
        int fontPixels;
    };
    const Placement placements[] = {
        {"Label9", {8, 0, 205, 45}, "Tahoma", 37},
        {"Label5", {84, 72, 145, 33}, "Tahoma", 21},
        {"Label4", {48, 208, 217, 161}, "Tahoma", 32},
        {"Label7", {48, 308, 217, 37}, "Tahoma", 32},
        {"Label6", {48, 344, 217, 81}, "Tahoma", 32},
        {"Label11", {96, 432, 123, 39}, "Tahoma", 32},
        {"Label10", {128, 544, 520, 40}, "Liberation Sans", 21},
        {"Label8", {192, 582, 416, 16}, "Liberation Sans", 11},
        {"Label3_0", {4, 560, 113, 33}, "Tahoma", 21},
        {"Label3_1", {656, 560, 137, 33}, "Tahoma", 21},
        {"Check3", {8, 504, 129, 25}, "Liberation Sans", 16},
        {"Label1_1", {320, 88, 40, 32}, "Liberation Sans", 21},
        {"Label1_100", {716, 484, 40, 32}, "Liberation Sans", 21},
        {"Shape4", {40, 128, 233, 297}, nullptr, 0},
        {"Shape2", {312, 72, 452, 452}, nullptr, 0},
        {"Shape1_1", {320, 80, 40, 40}, nullptr, 0},
        {"Shape1_100", {716, 476, 40, 40}, nullptr, 0},
        {"Image1_55", {496, 300, 40, 40}, nullptr, 0},
    };
    // The turn line's box is 275 px around x = 539; a longer caption widens it there.
    const QRect turnLine = control("Label2").geometry();
    EXPECT_EQ(turnLine.center().x(), 539);
    EXPECT_EQ(turnLine.top(), 0);
    EXPECT_GE(turnLine.width(), 275);
    EXPECT_EQ(control("Label2").font().pixelSize(), 48);
    for (const Placement& p : placements) {
        QWidget& widget = control(p.name);
        EXPECT_EQ(widget.geometry(), p.pixels) << p.name;
        if (p.family != nullptr) {
            EXPECT_EQ(QFontInfo(widget.font()).family(), QString::fromLatin1(p.family)) << p.name;
            EXPECT_EQ(widget.font().pixelSize(), p.fontPixels) << p.name;
            EXPECT_TRUE(widget.font().bold()) << p.name;
        }
    }
}

// What a player sees: each square in its colour, the frame behind, the card in Blue's style.
TEST_F(GameScreenView, DrawnBoardShowsTheTableColours)
{
    const QImage picture = navigator.show<fan1>().grab().toImage();
    for (int n = 1; n <= 100; ++n) {
        const QRect square = toPixels(board::squareRect(n));
        const QColor expected = toQColor(squareColourInfo(designedSquareColour(n)).rgb);
        EXPECT_EQ(picture.pixelColor(square.topLeft() + QPoint(3, 3)), expected) << "square " << n;
        EXPECT_EQ(picture.pixelColor(square.bottomRight() - QPoint(3, 3)), expected) << "square " << n;
    }
    EXPECT_EQ(picture.pixelColor(313, 73), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(310, 70), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(60, 400), QColor(Qt::yellow));
}

TEST_F(GameScreenView, LevelOutsideOneToThreeShowsTheLoadTimeCard)
{
    shared.playerlevel[1] = 0;
    navigator.show<fan1>();
    EXPECT_EQ(control<ShapeWidget>("Shape4").fillColour(), QColor(0, 0, 255));
    EXPECT_EQ(control("Label4").geometry().top(), 144);
    EXPECT_EQ(textColour("Label4"), QColor(255, 255, 0));
    EXPECT_EQ(control<QLabel>("Label11").text(), "Level 1");
}
