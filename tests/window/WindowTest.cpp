// The windowed host as a person uses it, with real mouse and key events:
// menus, the view under the mouse, macros played and recorded, long tasks
// cancelled, file dialogs, and what the window remembers.
#include <gmock/gmock.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileIconProvider>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>

#include <unistd.h>

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

// Where the data comes nearest the viewer, who looks down on it: the middle
// of the lowest row drawn.
QPoint nearestDrawn(const QImage& picture)
{
    for (int y = picture.height() - 1; y > 0; --y) {
        int sum = 0;
        int drawn = 0;
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) != picture.pixel(0, 0)) {
                sum += x;
                ++drawn;
            }
        if (drawn > 0)
            return {sum / drawn, y};
    }
    return {};
}

// How many pixels show the streamtrace markers' magenta.
int markerPixels(const QImage& picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QColor colour = picture.pixelColor(x, y);
            count +=
                colour.red() > 120 && colour.red() > 2 * colour.green() && colour.blue() > 2 * colour.green() ? 1 : 0;
        }
    return count;
}

QFileDialog* fileDialogUp()
{
    return qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
}

// Keys for a file dialog's name field as the keyboard sends them: the
// completions that the folder's listing pops up take them first.
void typeName(QLineEdit& edit, const QString& keys, Qt::Key last)
{
    const auto taker = [&edit]() -> QWidget* {
        QWidget* completions = QApplication::activePopupWidget();
        return completions != nullptr ? completions : &edit;
    };
    for (const QChar key : keys)
        QTest::keyClicks(taker(), QString(key));
    QTest::keyClick(taker(), last);
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
    // The axis triad, drawn low too, goes; the style a macro changes shows
    // without a redraw.
    const QImage withAxis = window().view().picture().copy();
    EXPECT_TRUE(
        window().playMacroFile(writeFile("axis.mcr", "$!STYLE PATH = \"THREEDAXIS FRAMEAXIS SHOW\" VALUE = FALSE\n")));
    EXPECT_NE(withAxis, window().view().picture());
    // A left drag to the right, then down: the near side follows the mouse.
    const QPoint near = nearestDrawn(window().view().picture());
    drag(Qt::LeftButton, {30, 0});
    const QPoint turned = nearestDrawn(window().view().picture());
    EXPECT_GT(turned.x(), near.x() + 10);
    drag(Qt::LeftButton, {0, 30});
    EXPECT_GT(nearestDrawn(window().view().picture()).y(), turned.y() + 10);

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
    const double zoom = zorhost::ViewNavigator::zoomPerStep;
    EXPECT_NEAR(width * zoom * zoom, host().view.current().width, 1e-9);
    host().styles.setValue("THREEDAXIS FRAMEAXIS SHOW", true);
}

TEST_F(WindowTest, EscAndClosingCancelALongTaskWhileTheWindowStaysResponsive)
{
    // Two key frames 5000 frames apart animated into a movie, then on screen: tasks long enough to be stopped.
    const std::string view = " Position 10 -20 15\n Angle 60 30 0\n Width 16\n FrameCount 5000\n";
    writeFile("long.keyframe",
              "#!KeyFrame 1\n%KeyFrameView\n" + view + "%KeyFrameView\n%KeyFrameView\n" + view + "%KeyFrameView\n");
    const std::string command = "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"";
    const auto animate = [&](const std::string& destination) {
        return writeFile(destination + ".mcr",
                         "$!EXPORTSETUP EXPORTFORMAT = RASTERMETAFILE\n$!EXPORTSETUP EXPORTFNAME = \"" +
                             file("long.rm") + "\"\n" + command + "OpenSettingsFile FileName=" + file("long.keyframe") +
                             "\"\n" + command + "Animate AnimationDestination=" + destination + "\"\n");
    };
    auto& status = window().taskStatus();
    auto* stop = status.findChild<QPushButton*>("stopButton");
    QAction* firstAction = window().menus().menu(1)->actions().front();
    bool seenRunning = false;
    whenReady([] { return host().exports.movieFrames() > 2; },
              [&] {
                  seenRunning = stop->isVisible() && status.findChild<QProgressBar*>("progressBar")->isVisible();
                  EXPECT_FALSE(firstAction->isEnabled());
                  QTest::keyClick(&window(), Qt::Key_Escape);
              });
    std::string shown;
    answerMessageBox(QMessageBox::Ok, &shown);
    focus(window());
    EXPECT_FALSE(window().playMacroFile(animate("ToFile")));
    EXPECT_TRUE(seenRunning);
    EXPECT_THAT(shown, HasSubstr("Animation canceled."));
    EXPECT_LT(host().exports.movieFrames(), 1000);
    EXPECT_FALSE(stop->isVisible());
    EXPECT_TRUE(firstAction->isEnabled());
    EXPECT_THAT(status.findChild<QLabel*>("statusText")->text().toStdString(),
                HasSubstr("cancelled: " + file("long.rm") + " was not written, and nothing of it was left behind"));
    EXPECT_EQ((std::vector<std::string>{"ToFile.mcr", "long.keyframe"}), folder_.entries());

    // Closing the window cancels the task, silently, and then closes it.
    const int redraws = host().drawing.redraws();
    const std::size_t messages = host().messages.errors().size() + host().messages.messageBoxes().size();
    whenReady([redraws] { return host().drawing.redraws() > redraws + 2; }, [this] { window().close(); });
    EXPECT_FALSE(window().playMacroFile(animate("OnScreen")));
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
    pick('P', 'M');
    EXPECT_GT(markerPixels(window().view().picture()), 100) << "the view shows the markers at once";
    QSlider& slider = window().timeSlider().slider();
    QTest::mouseClick(&slider, Qt::LeftButton, {}, {5, slider.height() / 2});
    QTest::keyClicks(&slider, QString(3, QChar(' ')));
    QTest::keyClick(&slider, Qt::Key_End);
    const zorsim::ViewState recorded = host().view.current();
    pick('F', 'R');
    ASSERT_EQ(2.0, host().dataSet.solutionTime());

    const std::string macro = readFile(file("recorded.mcr"));
    EXPECT_THAT(macro, HasSubstr("$!ROTATE3D AXIS = THETA ANGLE = 14\n$!ROTATE3D AXIS = PSI ANGLE = -8\n"));
    EXPECT_THAT(macro, HasSubstr("$!STYLE PATH = \"STREAMATTRIBUTES STREAMTIMING SHOWMARKERS\" VALUE = TRUE\n"));

    // Played back from the File menu after a reset, the markers off.
    pick('V', 'R');
    pick('P', 'M');
    QAction* markers = window().menus().menu(4)->actions().front();
    EXPECT_FALSE(markers->isChecked());
    EXPECT_EQ(0, markerPixels(window().view().picture())) << "the markers go from the view at once";
    QTest::keyClick(&slider, Qt::Key_Home);
    EXPECT_EQ(0.0, host().dataSet.solutionTime());
    answerFileDialog("recorded.mcr");
    pick('F', 'P');
    EXPECT_TRUE(markers->isChecked());
    EXPECT_THAT(viewValues(host().view.current()), Pointwise(DoubleNear(1e-9), viewValues(recorded)));
    EXPECT_EQ(2.0, host().dataSet.solutionTime());
    EXPECT_EQ(slider.maximum(), slider.value());
}

TEST_F(WindowTest, PlaysAnAnimationOnScreenAtTheMoviesSpeedUnlessToldNot)
{
    // Nine frames at eight a second take a second; without the pacing, much less.
    writeFile("short.keyframe", "#!KeyFrame 1\n%KeyFrameView\n Position 10 -20 15\n Angle 60 30 0\n Width 16\n"
                                " FrameCount 8\n%KeyFrameView\n%KeyFrameView\n Position 20 -10 15\n Angle 60 60 0\n"
                                " Width 16\n FrameCount 8\n%KeyFrameView\n");
    const std::string command = "$!ADDONCOMMAND ADDON = \"Key Frame Animation\" COMMAND = \"";
    const std::string macro =
        writeFile("short.mcr", "$!EXPORTSETUP ANIMATIONSPEED = 8\n" + command +
                                   "OpenSettingsFile FileName=" + file("short.keyframe") + "\"\n" + command +
                                   "Animate AnimationDestination=OnScreen\"\n");
    for (const bool paced : {true, false}) {
        QElapsedTimer clock;
        clock.start();
        EXPECT_TRUE(window().playMacroFile(macro));
        EXPECT_EQ(paced, clock.elapsed() >= 1000) << clock.elapsed() << " ms";
        pick('V', 'M');
    }
}

TEST_F(WindowTest, FileDialogsStayResponsiveUnderProcRefuseAPipeAndWriteTheNameTyped)
{
    int pipeEnds[2];
    ASSERT_EQ(0, ::pipe(pipeEnds));
    const std::string pipeName = "/proc/self/fd/" + std::to_string(pipeEnds[0]);
    std::string refusal;
    whenReady(fileDialogUp, [&] {
        fileDialogUp()->setDirectory(QString::fromStdString(folder_.root()));
        // A type comes from the name: no file is read to tell it.
        const QFileInfo picture(QString::fromStdString(writeFile("picture.mcr", "\x89PNG\r\n\x1a\n")));
        EXPECT_THAT(fileDialogUp()->iconProvider()->type(picture).toStdString(), Not(HasSubstr("PNG")));
        auto& edit = *fileDialogUp()->findChild<QLineEdit*>("fileNameEdit");
        // The folder lists a pipe without data, which nothing may read.
        QTest::keyClicks(&edit, "/proc/self/fd/");
        bool timerRan = false;
        QTimer::singleShot(50, [&timerRan] { timerRan = true; });
        EXPECT_TRUE(QTest::qWaitFor([&timerRan] { return timerRan; }, 1000));
        // Asked for here: a step waiting from before this one would not run
        // until it ends.
        answerMessageBox(QMessageBox::Ok, &refusal);
        typeName(edit, QString::number(pipeEnds[0]), Qt::Key_Return);
        ASSERT_NE(nullptr, fileDialogUp()) << "a refused name keeps the dialog";
        edit.selectAll();
        typeName(edit, QString::fromStdString(file("my \"q\" macro.mcr")), Qt::Key_Return);
    });
    pick('F', 'R');
    pick('F', 'R');
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    EXPECT_THAT(refusal, HasSubstr(pipeName + " is no plain file"));
    EXPECT_EQ((std::vector<std::string>{"my \"q\" macro.mcr", "picture.mcr"}), folder_.entries());

    // The next file dialog opens in the folder of the file written.
    QString opened;
    whenReady(fileDialogUp, [&opened] {
        opened = fileDialogUp()->directory().absolutePath();
        fileDialogUp()->reject();
    });
    pick('F', 'P');
    EXPECT_EQ(folder_.root(), opened.toStdString());
}

TEST_F(WindowTest, RemembersWhereItAndTheDialogsWereAndNamesTheDataInItsTitle)
{
    EXPECT_EQ("WAVE \u2014 zorhost", window().windowTitle().toStdString());
    window().setGeometry(40, 60, 700, 500);
    pick('T', 'K');
    QWidget& dialog = dialogTitled("Key Frame Animation");
    EXPECT_FALSE(dialog.frameGeometry().intersects(window().frameGeometry())) << "beside the window";
    dialog.move(dialog.pos() + QPoint(30, 40));
    const QPoint left = dialog.pos();

    reopenWindow();
    EXPECT_EQ(QRect(40, 60, 700, 500), window().geometry());
    EXPECT_EQ(left, dialogTitled("Key Frame Animation").pos());
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(config_.path("zorhost/window.conf"))));
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

    // Plot > Colour By > Height recolours the surface at once; Plot > Show
    // Colour Legend takes the legend away from the upper right corner alone.
    const QImage byVariable = window().view().picture().copy();
    pick('P', 'C');
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_H);
    const QImage byHeight = window().view().picture().copy();
    EXPECT_NE(byVariable, byHeight);
    host().macro.setRecording(true);
    pick('P', 'L');
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
