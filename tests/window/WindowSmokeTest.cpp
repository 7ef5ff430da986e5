// The windowed host on a real X server (CTest runs this program under
// xvfb-run): the window opens, a drag turns the view, and what the X server
// shows of the window is a picture, not a blank, that changes with the drag.
// The two screenshots are kept as window-before-drag.png and
// window-after-drag.png in the folder the test runs in.
#include <gtest/gtest.h>

#include <QApplication>
#include <QScreen>
#include <QSet>
#include <QTest>

#include "support/HostFixture.h"
#include "window/MainWindow.h"
#include "window/SessionSettings.h"
#include "window/ViewWidget.h"

namespace {

QImage screenshot(QWidget& window)
{
    QTest::qWait(200);
    return window.screen()->grabWindow(window.winId()).toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class WindowSmokeTest : public HostFixture {};

TEST_F(WindowSmokeTest, OpensTurnsTheViewWithADragAndShowsItOnTheXServer)
{
    static int argc = 1;
    static char name[] = "WindowSmokeTest";
    static char* argv[] = {name, nullptr};
    const zorhost::SessionSettings settings;
    QApplication application(argc, argv);
    ASSERT_EQ("xcb", QGuiApplication::platformName().toStdString());
    zorhost::MainWindow window(host());
    window.resize(800, 640);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    window.start({});
    const QImage before = screenshot(window);
    zorhost::ViewWidget& view = window.view();
    const QPoint from = view.rect().center();
    QTest::mousePress(&view, Qt::LeftButton, {}, from);
    QTest::mouseMove(&view, from + QPoint(60, 10));
    QTest::mouseRelease(&view, Qt::LeftButton, {}, from + QPoint(120, 20));
    const QImage after = screenshot(window);

    EXPECT_TRUE(before.save("window-before-drag.png"));
    EXPECT_TRUE(after.save("window-after-drag.png"));
    ASSERT_EQ(before.size(), after.size());
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
