#include "Board.h"
#include "QtConversions.h"
#include "ScreenTest.h"
#include "fan1.h"
#include "widgets/ShapeWidget.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFontInfo>
#include <QLabel>
#include <gtest/gtest.h>

using namespace zorbitan;

namespace {
class GameScreenView : public zorbitan::testing::ScreenTest {
protected:
    GameScreenView()
    {
        shared.soundon = 1;
        shared.numberofplayers = 2;
        shared.playerlevel = {0, 1, 1, 0, 0};
    }

    fan1& open() { return navigator.show<fan1>(); }

    template <typename Widget = QWidget>
    Widget& control(const char* name)
    {
        return ScreenTest::control<Widget>(navigator.find<fan1>(), name);
    }

    QColor textColour(const char* name) { return control<QLabel>(name).palette().color(QPalette::WindowText); }
};

struct Placement {
    const char* name;
    QRect pixels;  // the table's twips divided by 15
};
} // namespace

TEST_F(GameScreenView, WindowHasTheStandardSizeInTheMiddleOfTheDisplay)
{
    fan1& screen = open();
    EXPECT_EQ(screen.size(), QSize(798, 598));
    EXPECT_EQ(screen.minimumSize(), screen.maximumSize());
    EXPECT_EQ(screen.pos(), QPoint(240, 212));
    EXPECT_EQ(screen.palette().color(QPalette::Window), QColor(255, 0, 0));
}

TEST_F(GameScreenView, ControlsStandWhereTheLayoutPutsThem)
{
    open();
    const Placement placements[] = {
        {"Label9", {8, 0, 205, 45}},      {"Label2", {402, 0, 275, 56}},    {"Label5", {84, 72, 145, 33}},
        {"Shape4", {40, 128, 233, 297}},  {"Label4", {48, 208, 217, 161}},  {"Label7", {48, 308, 217, 37}},
        {"Label6", {48, 344, 217, 81}},   {"Label11", {96, 432, 123, 39}},  {"Label10", {128, 544, 520, 40}},
        {"Label8", {192, 582, 416, 16}},  {"Label3_0", {4, 560, 113, 33}},  {"Label3_1", {656, 560, 137, 33}},
        {"Check3", {8, 504, 129, 25}},    {"Shape2", {312, 72, 452, 452}},  {"Shape1_1", {320, 80, 40, 40}},
        {"Shape1_10", {716, 80, 40, 40}}, {"Shape1_91", {320, 476, 40, 40}}, {"Shape1_100", {716, 476, 40, 40}},
        {"Label1_1", {320, 88, 40, 32}},  {"Label1_100", {716, 484, 40, 32}}, {"Image1_55", {496, 300, 40, 40}},
    };
    for (const auto& [name, pixels] : placements) {
        EXPECT_EQ(control(name).geometry(), pixels) << name;
    }
}

TEST_F(GameScreenView, CaptionsVisibilityAndColoursAtLoad)
{
    open();
    EXPECT_EQ(control<QLabel>("Label9").text(), "ZORBITAN");
    EXPECT_EQ(control<QLabel>("Label2").text(), "Blue to Play");
    EXPECT_EQ(control<QLabel>("Label5").text(), "Take a card");
    EXPECT_EQ(control<QLabel>("Label4").text(), "ZORBITAN");
    EXPECT_EQ(control<QLabel>("Label11").text(), "Level 1");
    EXPECT_EQ(control<QLabel>("Label3_0").text(), "Exit");
    EXPECT_EQ(control<QLabel>("Label3_1").text(), "New Game");
    EXPECT_EQ(control<QLabel>("Label10").text(), "Your answer is incorrect. You have lost your turn.");
    EXPECT_FALSE(control<QLabel>("Label8").text().isEmpty());
    EXPECT_TRUE(control<QCheckBox>("Check3").isChecked());
    EXPECT_EQ(control<QCheckBox>("Check3").text(), "Hide Desktop");

    EXPECT_TRUE(control("Label11").isVisible());
    EXPECT_FALSE(control("Label6").isVisible());
    EXPECT_FALSE(control("Label7").isVisible());
    EXPECT_FALSE(control("Label10").isVisible());
    EXPECT_TRUE(control("Label5").isEnabled());
    for (int n = 1; n <= 100; ++n) {
        const QString number = QString::number(n);
        EXPECT_EQ(control<QLabel>(qPrintable(QStringLiteral("Label1_") + number)).text(), number);
        EXPECT_FALSE(control(qPrintable(QStringLiteral("Image1_") + number)).isVisible());
    }

    EXPECT_EQ(textColour("Label2"), QColor(0, 0, 255));
    EXPECT_EQ(textColour("Label9"), QColor(0, 0, 255));
    EXPECT_EQ(textColour("Label5"), QColor(128, 128, 255));
    EXPECT_EQ(textColour("Label4"), QColor(0, 0, 0));
    EXPECT_EQ(textColour("Label11"), QColor(255, 255, 0));
    EXPECT_EQ(control<ShapeWidget>("Shape4").fillColour(), QColor(255, 255, 0));
}

TEST_F(GameScreenView, FontsAreTheDesignedFacesAndSizes)
{
    open();
    struct Face {
        const char* name;
        const char* family;
        int pixels;
    };
    const Face faces[] = {
        {"Label9", "Tahoma", 37},   {"Label2", "Liberation Sans", 48}, {"Label5", "Tahoma", 21},
        {"Label4", "Tahoma", 32},   {"Label10", "Liberation Sans", 21}, {"Label8", "Liberation Sans", 11},
        {"Label3_0", "Tahoma", 21}, {"Label1_42", "Liberation Sans", 21}, {"Check3", "Liberation Sans", 16},
    };
    for (const auto& face : faces) {
        const QFontInfo info(control(face.name).font());
        EXPECT_EQ(info.family(), QString::fromLatin1(face.family)) << face.name;
        EXPECT_EQ(control(face.name).font().pixelSize(), face.pixels) << face.name;
        EXPECT_TRUE(info.bold()) << face.name;
    }
}

// What a player sees: each square in its colour, the frame behind, the card in Blue's style.
TEST_F(GameScreenView, DrawnBoardShowsTheTableColours)
{
    const QImage picture = open().grab().toImage();
    for (int n = 1; n <= 100; ++n) {
        const QRect square = toPixels(board::squareRect(n));
        const QColor expected = toQColor(squareColourInfo(designedSquareColour(n)).rgb);
        EXPECT_EQ(picture.pixelColor(square.topLeft() + QPoint(3, 3)), expected) << "square " << n;
        EXPECT_EQ(picture.pixelColor(square.bottomRight() - QPoint(3, 3)), expected) << "square " << n;
    }
    EXPECT_EQ(picture.pixelColor(313, 73), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(762, 522), QColor(Qt::black));
    EXPECT_EQ(picture.pixelColor(310, 70), QColor(Qt::red));
    EXPECT_EQ(picture.pixelColor(60, 400), QColor(Qt::yellow));
}

TEST_F(GameScreenView, LevelOutsideOneToThreeShowsTheLoadTimeCard)
{
    shared.playerlevel[1] = 0;
    open();
    EXPECT_EQ(control<ShapeWidget>("Shape4").fillColour(), QColor(0, 0, 255));
    EXPECT_EQ(control("Label4").geometry().top(), 144);
    EXPECT_EQ(textColour("Label4"), QColor(255, 255, 0));
    EXPECT_EQ(control<QLabel>("Label11").text(), "Level 1");
    EXPECT_TRUE(control("Label11").isVisible());
}

TEST_F(GameScreenView, ClosingDestroysTheScreen)
{
    QPointer<fan1> screen = &open();
    navigator.close<fan1>();
    EXPECT_EQ(navigator.find<fan1>(), nullptr);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(screen.isNull());
}
