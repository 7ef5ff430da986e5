// The windowed host as a person uses it, on Qt's offscreen platform, with
// real mouse and key events: menus and their mnemonics, the view under the
// mouse, macros played and recorded, and long tasks stopped from the status
// bar.
#include <gmock/gmock.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QWheelEvent>

#include "ZorTypes.h"
#include "support/ZorhostRun.h"
#include "window/HostMenus.h"
#include "window/TaskStatus.h"
#include "window/TimeSlider.h"
#include "window/ViewWidget.h"
#include "window/WindowFixture.h"

using ::testing::DoubleNear;
using ::testing::HasSubstr;
using ::testing::Pointwise;

namespace {

// The view's angles, position and width.
std::vector<double> viewValues(const zorsim::ViewState& view)
{
    return {view.psi, view.theta, view.alpha, view.position[0], view.position[1], view.position[2], view.width};
}

// The share of the pixels drawn in `before` (those not of the background
// colour of its top left corner) that `after` shows moved by `step`.
double shareMovedBy(const QImage& before, const QImage& after, QPoint step)
{
    int drawn = 0;
    int same = 0;
    for (int y = 0; y + step.y() < after.height(); ++y)
        for (int x = 0; x + step.x() < after.width(); ++x)
            if (before.pixel(x, y) != before.pixel(0, 0)) {
                ++drawn;
                same += before.pixel(x, y) == after.pixel(x + step.x(), y + step.y()) ? 1 : 0;
            }
    return static_cast<double>(same) / drawn;
}

}  // namespace

class WindowTest : public WindowFixture {};

TEST_F(WindowTest, MenusFollowTheHostAndTheAddOnsOptionGreysForA2DFrame)
{
    QStringList titles;
    for (QAction* menu : window().menuBar()->actions())
        titles << menu->text();
    EXPECT_EQ(QStringList({"&File", "&View", "&Tools", "&Help"}), titles);
    EXPECT_EQ("zorhost \u2014 Key Frame Animation", window().windowTitle().toStdString());
    QAction* option = window().menus().optionAction("&Key Frame Animation...");
    ASSERT_NE(nullptr, option);
    EXPECT_TRUE(option->isEnabled());
    EXPECT_TRUE(window().playMacroFile(writeFile("flat.mcr", "$!FRAMESETUP PLOTTYPE = CARTESIAN2D\n")));
    EXPECT_FALSE(option->isEnabled());

    focus(window());
    QTest::keyClick(&window(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(WindowTest, DragsTurnAndMoveTheViewAndTheWheelZoomsIt)
{
    using zorhost::ViewNavigator;
    zorsim::ViewState expected = host().view.current();
    const QImage before = window().view().picture().copy();
    drag(Qt::LeftButton, {50, -30});
    expected.rotate(ZOR_ROTATE_THETA, 50 * ViewNavigator::degreesPerPixel);
    expected.rotate(ZOR_ROTATE_PSI, 30 * ViewNavigator::degreesPerPixel);
    EXPECT_THAT(viewValues(host().view.current()), Pointwise(DoubleNear(1e-9), viewValues(expected)));
    EXPECT_NE(before, window().view().picture());

    // The other buttons move the picture with the mouse, to the pixel.
    for (Qt::MouseButton button : {Qt::MiddleButton, Qt::RightButton}) {
        const QImage shown = window().view().picture().copy();
        drag(button, {40, 25});
        EXPECT_GT(shareMovedBy(shown, window().view().picture(), {40, 25}), 0.95) << button;
    }

    const double width = host().view.current().width;
    const QPointF at = window().view().rect().center();
    QWheelEvent wheel(at, window().view().mapToGlobal(at), {}, {0, 240}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&window().view(), &wheel);
    EXPECT_NEAR(width * ViewNavigator::zoomPerStep * ViewNavigator::zoomPerStep, host().view.current().width, 1e-9);
}

TEST_F(WindowTest, PlaysAMacroFromTheFileMenuAndShowsAFailedLineInAMessageBox)
{
    const double psi = host().view.current().psi;
    const int redraws = host().drawing.redraws();
    answerFileDialog(writeFile("turn.mcr", "$!ROTATE3D AXIS = PSI ANGLE = 20\n$!REDRAW\n"));
    pick('F', 'P');
    EXPECT_NEAR(psi + 20.0, host().view.current().psi, 1e-9);
    EXPECT_THAT(QSettings(QSettings::UserScope, "QtProject").fileName().toStdString(),
                ::testing::Not(HasSubstr(QDir::homePath().toStdString())))
        << "the file dialog remembers its folders for the next run";
    EXPECT_EQ(redraws + 1, host().drawing.redraws());

    // A line the reader refuses, and one the host refuses when played.
    const std::pair<const char*, const char*> failures[] = {
        {"$!REDRAW\n$!BOGUS\n", ":2: unknown command $!BOGUS"},
        {"$!FRAMESETUP PLOTTYPE = XYLINE\n$!ROTATE3D AXIS = PSI ANGLE = 5\n",
         ":2: the current frame has no 3D view to rotate"},
    };
    for (const auto& [macro, message] : failures) {
        const std::string path = writeFile("failing.mcr", macro);
        std::string shown;
        answerMessageBox(QMessageBox::Ok, &shown);
        EXPECT_FALSE(window().playMacroFile(path));
        EXPECT_EQ(path + message, shown);
        EXPECT_FALSE(window().isBusy());
    }
}

TEST_F(WindowTest, StopAndEscCancelALongTaskWhileTheWindowStaysResponsive)
{
    const std::string macro = longAnimationMacro();
    for (const bool useEsc : {false, true}) {
        SCOPED_TRACE(useEsc);
        focus(window());
        auto& status = window().taskStatus();
        auto* stop = status.findChild<QPushButton*>("stopButton");
        bool seenRunning = false;
        whenReady([] { return host().status.isShown() && host().status.checks() > 3; },
                  [&] {
                      seenRunning = stop->isVisible() && status.findChild<QProgressBar*>("progressBar")->isVisible();
                      EXPECT_FALSE(window().menus().menu(1)->actions().front()->isEnabled());
                      if (useEsc)
                          QTest::keyClick(&window(), Qt::Key_Escape);
                      else
                          QTest::mouseClick(stop, Qt::LeftButton);
                  });
        std::string shown;
        answerMessageBox(QMessageBox::Ok, &shown);
        EXPECT_FALSE(window().playMacroFile(macro));
        EXPECT_TRUE(seenRunning);
        EXPECT_THAT(shown, HasSubstr("Animation canceled."));
        EXPECT_LT(host().status.checks(), 1000);
        EXPECT_FALSE(stop->isVisible());
        EXPECT_TRUE(window().menus().menu(1)->actions().front()->isEnabled());
    }
}

TEST_F(WindowTest, ClosingWhileATaskRunsCancelsItAndThenCloses)
{
    const int redraws = host().drawing.redraws();
    whenReady([redraws] { return host().drawing.redraws() > redraws + 2; }, [this] { window().close(); });
    EXPECT_FALSE(window().playMacroFile(longAnimationMacro()));
    EXPECT_TRUE(window().isVisible()) << "closes only once the task ended";
    EXPECT_FALSE(host().status.isShown());
    EXPECT_EQ(0, host().messages.errors().size() + host().messages.messageBoxes().size());
    QTest::qWait(50);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(WindowTest, RecordsWhatTheUserDoesAndPlaysItBack)
{
    answerFileDialog(file("recorded.mcr"));
    pick('F', 'R');
    drag(Qt::LeftButton, {-35, 20});
    drag(Qt::MiddleButton, {12, -8});
    QSlider& slider = window().timeSlider().slider();
    ASSERT_TRUE(window().timeSlider().isVisible());
    QTest::mouseClick(&slider, Qt::LeftButton, {}, {5, slider.height() / 2});
    QTest::keyClicks(&slider, QString(3, QChar(' ')));
    QTest::keyClick(&slider, Qt::Key_End);
    const zorsim::ViewState recorded = host().view.current();
    const double recordedTime = host().dataSet.solutionTime();
    pick('F', 'R');
    ASSERT_EQ(2.0, recordedTime);

    const std::string macro = readFile(file("recorded.mcr"));
    EXPECT_THAT(macro, HasSubstr("$!ROTATE3D AXIS = THETA ANGLE = -14\n$!ROTATE3D AXIS = PSI ANGLE = -8\n"));
    EXPECT_THAT(macro, HasSubstr("$!STYLE PATH = \"THREEDVIEW VIEWERPOSITION X\" VALUE = "));
    EXPECT_THAT(macro, HasSubstr("$!SOLUTIONTIME TIME = 2\n"));
    EXPECT_FALSE(host().macro.isRecording());

    pick('V', 'R');
    QTest::keyClick(&slider, Qt::Key_Home);
    EXPECT_EQ(0.0, host().dataSet.solutionTime());
    EXPECT_TRUE(window().playMacroFile(file("recorded.mcr")));
    EXPECT_THAT(viewValues(host().view.current()), Pointwise(DoubleNear(1e-9), viewValues(recorded)));
    EXPECT_EQ(recordedTime, host().dataSet.solutionTime());
    EXPECT_EQ(slider.maximum(), slider.value());
}

TEST_F(WindowTest, HelpShowsTheGuideAndWhatIsLoaded)
{
    pick('H', 'U');
    auto* guide = window().findChild<QTextBrowser*>("guide");
    ASSERT_NE(nullptr, guide);
    EXPECT_TRUE(guide->isVisible());
    EXPECT_THAT(guide->toPlainText().toStdString(), HasSubstr("zorhost user's guide"));

    std::string about;
    answerMessageBox(QMessageBox::Ok, &about);
    pick('H', 'A');
    EXPECT_THAT(about, HasSubstr("Key Frame Animation V13.1.0.15185"));
}

TEST(WindowProgramTest, WithoutADisplayZorhostSaysSoInOneLineAndExitsWithTwo)
{
    for (const char* display : {"", "DISPLAY=:4711"}) {
        SCOPED_TRACE(display);
        const ProgramRun run = runCommand(std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") +
                                          display + " '" + ZORHOST_PATH + "' --window");
        EXPECT_EQ(2, run.status) << run.output;
        EXPECT_THAT(run.output, ::testing::MatchesRegex("zorhost: cannot open the window: [^\n]*display[^\n]*\n"));
    }
}
