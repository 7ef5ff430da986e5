// The windowed host as a person uses it, with real mouse and key events:
// menus, the view under the mouse, macros played and recorded, long tasks
// cancelled.
#include <gmock/gmock.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QWheelEvent>

#include "ZorTypes.h"
#include "support/ZorhostRun.h"
#include "window/HostMenus.h"
#include "window/TaskStatus.h"
#include "window/TimeSlider.h"
#include "window/ViewWidget.h"
#include "window/WindowFixture.h"

using namespace ::testing;

namespace {

// The view's angles, position and width.
std::vector<double> viewValues(const zorsim::ViewState& view)
{
    return {view.psi, view.theta, view.alpha, view.position[0], view.position[1], view.position[2], view.width};
}

// The share of the pixels drawn in `before` (not in its top left corner's colour) that `after` shows moved by `step`.
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

TEST_F(WindowTest, MacrosPlayedGreyTheAddOnsOptionForA2DFrameOrShowAFailedLineAndCtrlQCloses)
{
    QAction* option = window().menus().optionAction("&Key Frame Animation...");
    ASSERT_NE(nullptr, option);
    EXPECT_TRUE(option->isEnabled());
    EXPECT_TRUE(window().playMacroFile(writeFile("flat.mcr", "$!FRAMESETUP PLOTTYPE = CARTESIAN2D\n")));
    EXPECT_FALSE(option->isEnabled());
    // A line the reader refuses, and one the host refuses when played: the
    // box names the file and the line.
    for (const char* macro :
         {"$!REDRAW\n$!BOGUS\n", "$!FRAMESETUP PLOTTYPE = XYLINE\n$!ROTATE3D AXIS = PSI ANGLE = 5\n"}) {
        const std::string path = writeFile("failing.mcr", macro);
        std::string shown;
        answerMessageBox(QMessageBox::Ok, &shown);
        EXPECT_FALSE(window().playMacroFile(path));
        EXPECT_THAT(shown, StartsWith(path + ":2: ")) << macro;
        EXPECT_FALSE(window().isBusy());
    }

    focus(window());
    QTest::keyClick(&window(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(WindowTest, DragsTurnAndMoveTheViewAndTheWheelZoomsIt)
{
    using zorhost::ViewNavigator;
    zorsim::ViewState expected = host().view.current();
    drag(Qt::LeftButton, {50, -30});
    expected.rotate(ZOR_ROTATE_THETA, 50 * ViewNavigator::degreesPerPixel);
    expected.rotate(ZOR_ROTATE_PSI, 30 * ViewNavigator::degreesPerPixel);
    EXPECT_THAT(viewValues(host().view.current()), Pointwise(DoubleNear(1e-9), viewValues(expected)));

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

TEST_F(WindowTest, EscAndClosingCancelALongTaskWhileTheWindowStaysResponsive)
{
    // Two key frames 5000 frames apart animated on screen: a task long enough to be stopped.
    const std::string view = " Position 10 -20 15\n Angle 60 30 0\n Width 16\n FrameCount 5000\n";
    writeFile("long.keyframe",
              "#!KeyFrame 1\n%KeyFrameView\n" + view + "%KeyFrameView\n%KeyFrameView\n" + view + "%KeyFrameView\n");
    const std::string command = "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"";
    const std::string macro = writeFile("long.mcr", command + "OpenSettingsFile FileName=" + file("long.keyframe") +
                                                        "\"\n" + command + "Animate AnimationDestination=OnScreen\"\n");
    auto& status = window().taskStatus();
    auto* stop = status.findChild<QPushButton*>("stopButton");
    QAction* firstAction = window().menus().menu(1)->actions().front();
    bool seenRunning = false;
    whenReady([] { return host().status.isShown() && host().status.checks() > 3; },
              [&] {
                  seenRunning = stop->isVisible() && status.findChild<QProgressBar*>("progressBar")->isVisible();
                  EXPECT_FALSE(firstAction->isEnabled());
                  QTest::keyClick(&window(), Qt::Key_Escape);
              });
    std::string shown;
    answerMessageBox(QMessageBox::Ok, &shown);
    focus(window());
    EXPECT_FALSE(window().playMacroFile(macro));
    EXPECT_TRUE(seenRunning);
    EXPECT_THAT(shown, HasSubstr("Animation canceled."));
    EXPECT_LT(host().status.checks(), 1000);
    EXPECT_FALSE(stop->isVisible());
    EXPECT_TRUE(firstAction->isEnabled());

    // Closing the window cancels the task, silently, and then closes it.
    const int redraws = host().drawing.redraws();
    const std::size_t messages = host().messages.errors().size() + host().messages.messageBoxes().size();
    whenReady([redraws] { return host().drawing.redraws() > redraws + 2; }, [this] { window().close(); });
    EXPECT_FALSE(window().playMacroFile(macro));
    EXPECT_TRUE(window().isVisible()) << "closes only once the task ended";
    EXPECT_FALSE(host().status.isShown());
    EXPECT_EQ(messages, host().messages.errors().size() + host().messages.messageBoxes().size());
    QTest::qWait(50);
    EXPECT_FALSE(window().isVisible());
}

TEST_F(WindowTest, RecordsWhatTheUserDoesAndPlaysItBack)
{
    answerFileDialog("recorded.mcr");
    pick('F', 'R');
    drag(Qt::LeftButton, {-35, 20});
    drag(Qt::MiddleButton, {12, -8});
    QSlider& slider = window().timeSlider().slider();
    QTest::mouseClick(&slider, Qt::LeftButton, {}, {5, slider.height() / 2});
    QTest::keyClicks(&slider, QString(3, QChar(' ')));
    QTest::keyClick(&slider, Qt::Key_End);
    const zorsim::ViewState recorded = host().view.current();
    pick('F', 'R');
    ASSERT_EQ(2.0, host().dataSet.solutionTime());

    const std::string macro = readFile(file("recorded.mcr"));
    EXPECT_THAT(macro, HasSubstr("$!ROTATE3D AXIS = THETA ANGLE = -14\n$!ROTATE3D AXIS = PSI ANGLE = -8\n"));

    // Played back from the File menu after a reset.
    pick('V', 'R');
    QTest::keyClick(&slider, Qt::Key_Home);
    EXPECT_EQ(0.0, host().dataSet.solutionTime());
    answerFileDialog("recorded.mcr");
    pick('F', 'P');
    EXPECT_THAT(QSettings(QSettings::UserScope, "QtProject").fileName().toStdString(),
                Not(HasSubstr(QDir::homePath().toStdString())))
        << "the file dialog remembers its folders for the next run";
    EXPECT_THAT(viewValues(host().view.current()), Pointwise(DoubleNear(1e-9), viewValues(recorded)));
    EXPECT_EQ(2.0, host().dataSet.solutionTime());
    EXPECT_EQ(slider.maximum(), slider.value());
}

TEST(WindowProgramTest, WithoutADisplayZorhostSaysSoInOneLineAndExitsWithTwo)
{
    for (const char* display : {"", "DISPLAY=:4711"}) {
        SCOPED_TRACE(display);
        const ProgramRun run = runCommand(std::string("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM ") +
                                          display + " '" + ZORHOST_PATH + "' --window");
        EXPECT_EQ(2, run.status) << run.output;
        EXPECT_THAT(run.output, MatchesRegex("zorhost: cannot open the window: [^\n]*display[^\n]*\n"));
    }
}

TEST_F(WindowTest, OpenDataReadsTheChosenFileColoursItAsChosenOrSaysWhyNotAndKeepsWhatWasShown)
{
    const ProgramRun made = runCommand(std::string(MAKEDATA_PATH) + " " + file("floor.vtp"));
    ASSERT_EQ(0, made.status) << made.output;
    const QImage sample = window().view().picture().copy();
    QString filter;
    answerFileDialog("floor.vtp", [&filter](QFileDialog& files) { filter = files.nameFilters().join(";;"); });
    pick('F', 'D');
    for (const char* extension : {".cgns", ".vtu", ".vtm", ".pvd", ".vtk", ".xyz", ".p3d", ".stl", ".ply", ".glb"})
        EXPECT_THAT(filter.toStdString(), HasSubstr(std::string("*") + extension));
    EXPECT_EQ(1u, host().dataSet.current().zones.size());
    EXPECT_NE(sample, window().view().picture());
    const std::vector<double> fitted = viewValues(host().view.current());

    // View > Colour By > Height recolours the surface at once; View >
    // Colour Legend takes the legend away from the upper right corner alone.
    const QImage byVariable = window().view().picture().copy();
    pick('V', 'C');
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_H);
    const QImage byHeight = window().view().picture().copy();
    EXPECT_NE(byVariable, byHeight);
    host().macro.setRecording(true);
    pick('V', 'L');
    EXPECT_FALSE(host().styles.boolValue("COLORLEGEND SHOW"));
    EXPECT_THAT(host().macro.lines(), Contains("$!STYLE PATH = \"COLORLEGEND SHOW\" VALUE = FALSE"));
    QRect changed;
    for (int y = 0; y < byHeight.height(); ++y)
        for (int x = 0; x < byHeight.width(); ++x)
            if (byHeight.pixel(x, y) != window().view().picture().pixel(x, y))
                changed |= QRect(x, y, 1, 1);
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_GT(changed.left(), byHeight.width() * 3 / 4);
    EXPECT_LT(changed.bottom(), byHeight.height() / 2);

    writeFile("bad.vtp", "<VTKFile");
    std::string shown;
    answerFileDialog("bad.vtp");
    answerMessageBox(QMessageBox::Ok, &shown);
    pick('F', 'D');
    EXPECT_THAT(shown, HasSubstr("cannot read " + file("bad.vtp") + ": "));
    EXPECT_EQ(1u, host().dataSet.current().zones.size());
    EXPECT_EQ(fitted, viewValues(host().view.current()));
}
