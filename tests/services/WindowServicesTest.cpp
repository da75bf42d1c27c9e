#include "Publisher.h"
#include "WindowServices.h"

#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>
#include <QWidget>
#include <gtest/gtest.h>

using namespace zorbitan;

TEST(Centring, WindowSitsInTheMiddleOfTheDisplay)
{
    const QSize standard(12000, 9000);
    EXPECT_EQ(centredTopLeft(QSize(12000, 9000), standard), QPoint(0, 0));
    EXPECT_EQ(centredTopLeft(QSize(19200, 14400), standard), QPoint(3600, 2700));
    // A display smaller than the window: it overhangs both sides equally.
    EXPECT_EQ(centredTopLeft(QSize(9600, 7200), standard), QPoint(-1200, -900));
    // The title screen's own size on a 12000 x 9000 display: equal margins.
    EXPECT_EQ(centredTopLeft(QSize(12000, 9000), QSize(5610, 6600)), QPoint(3195, 1200));
}

TEST(Centring, CentreformGivesTheStandardSizeAndRestoresThePointer)
{
    QWidget screen;
    screen.resize(100, 100);
    centreform(screen);
    // 1280 x 1024 display; an 800 x 600 window whose client area is 798 x 598.
    EXPECT_EQ(screen.size(), QSize(798, 598));
    EXPECT_EQ(screen.pos(), QPoint(240, 212));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

namespace {
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl& url) { opened.append(url); }
};
} // namespace

TEST(WebPage, OpensTheGamesOwnAddress)
{
    UrlRecorder recorder;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &recorder, "open");
    openWebPage();
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(recorder.opened.size(), 1);
    EXPECT_EQ(recorder.opened.front().toString().toStdString(), std::string(publisher::webAddress));
}

#include "WindowServicesTest.moc"
