// The windowed host on a real X server (CTest runs this program under
// xvfb-run): the window opens, a drag turns the view, and what the X server
// shows of the window is a picture, not a blank, that changes with the drag.
#include <QGuiApplication>
#include <QScreen>
#include <QSet>
#include <QTest>

#include "window/WindowFixture.h"

class WindowSmokeTest : public WindowFixture {};

TEST_F(WindowSmokeTest, OpensTurnsTheViewWithADragAndShowsItOnTheXServer)
{
    ASSERT_EQ("xcb", QGuiApplication::platformName().toStdString());
    const auto screenshot = [this] {
        QTest::qWait(200);
        return window().screen()->grabWindow(window().winId()).toImage().convertToFormat(QImage::Format_RGB32);
    };
    const QImage before = screenshot();
    drag(Qt::LeftButton, {120, 20});
    const QImage after = screenshot();
    QSet<QRgb> colours;
    int changed = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x) {
            colours.insert(before.pixel(x, y));
            changed += before.pixel(x, y) != after.pixel(x, y) ? 1 : 0;
        }
    EXPECT_GT(colours.size(), 200) << "a blank window";
    EXPECT_GT(changed, before.width() * before.height() / 10) << "the drag changed too little";
}
