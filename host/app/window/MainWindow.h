// The main window of zorhost --window: the menu bar (HostMenus), the 3D view
// (ViewWidget) with the solution-time slider (TimeSlider) under it, and the
// status bar with the host's percent-done line (TaskStatus). The host's file
// dialogs and messages appear through the DialogBridge, the add-ons' dialogs
// through the DialogLayer.
//
// Everything the user starts runs through act(): nothing else can start
// while it or a task with a percent-done line runs, and afterwards the host
// goes idle (the add-ons' deferred work runs), the window shows the host's
// new state and the status line what became of a movie. Closing the window
// while a task runs cancels the task first and closes once it has ended.
//
// The view shows every change the host says waits to be shown, once the
// window is idle and no task runs; a redraw shows it sooner. While a task
// plays an animation on screen, its redraws keep to the export's animation
// speed (View > Play at Movie Speed). The window's place is remembered
// between runs.
#ifndef ZORHOST_MAIN_WINDOW_H
#define ZORHOST_MAIN_WINDOW_H

#include <QMainWindow>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "player/FrameDataStore.h"
#include "player/FrameRecorder.h"
#include "player/MacroPlayer.h"
#include "window/ColourMenu.h"
#include "window/DialogBridge.h"
#include "window/DialogLayer.h"
#include "window/FramePacer.h"
#include "window/HostMenus.h"
#include "window/MacroRecording.h"
#include "window/StyleToggles.h"

namespace zorsim {
class Host;
}

namespace zorhost {

class GuideWindow;
class TaskStatus;
class TimeSlider;
class ViewWidget;

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // The window over `host`, whose add-ons are loaded.
    explicit MainWindow(zorsim::Host& host);
    ~MainWindow() override;

    // Plays the macro files in order, or with none loads the ready scene:
    // a 3D frame showing the WAVE sample. Stops at the first file that fails.
    void start(const std::vector<std::string>& macroFiles);
    // Plays one macro file with the window showing what it does; false
    // after a message box ("MACROFILE:LINE: text") when it cannot be read or
    // a command failed.
    bool playMacroFile(const std::string& path);

    // Runs a user action, unless another action or a task runs (then it does
    // nothing); afterwards the host goes idle and the window refreshes.
    void act(const std::function<void()>& action);
    bool isBusy() const;

    ViewWidget& view() { return *view_; }
    TimeSlider& timeSlider() { return *timeSlider_; }
    TaskStatus& taskStatus() { return *taskStatus_; }
    HostMenus& menus() { return menus_; }
    DialogLayer& dialogs() { return *dialogLayer_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildFileMenu();
    void buildViewMenu();
    void buildPlotMenu();
    void buildHelpMenu();
    QAction* addHostAction(int menu, const QString& label, void (MainWindow::*slot)());

    void playMacro();
    void toggleRecording();
    void startRecording();
    // Writes the recording; false when the user gave up on a file that
    // could not be written (the recording then goes on).
    bool stopRecording();
    std::optional<std::string> chooseMacroFile(bool saving);
    void loadSample();
    // A data file chosen in the file dialog, read into the current frame.
    void openData();
    void fitView();
    void resetView();
    void showGuide();
    // An add-on's help page: its section of the guide, or where it would be.
    void showHelpPage(const std::string& helpPage);
    // The guide loaded and shown in front; null after a warning that it
    // cannot be read.
    GuideWindow* openGuide();
    void showAbout();

    // Plays commands that are known to be good (the window's own).
    bool playLines(const std::string& what, const std::vector<std::string>& lines);
    bool playCommands(const std::string& path, const std::vector<MacroCommand>& commands);
    void refresh();
    void busyChanged();
    void showWaitingChange();
    // Before the host's redraw is shown: paces an animation played on screen.
    void paceRedraw();
    QString titleText() const;

    zorsim::Host& host_;
    FrameDataStore frameData_;
    MacroPlayer player_;
    DialogBridge dialogBridge_;
    // Movies the add-ons export; no frame log or contact sheet.
    FrameRecorder recorder_;
    MacroRecording recording_;
    HostMenus menus_;
    std::unique_ptr<ColourMenu> colourMenu_;
    StyleToggles styleToggles_;
    FramePacer pacer_;
    ViewWidget* view_;
    TimeSlider* timeSlider_;
    TaskStatus* taskStatus_;
    std::unique_ptr<DialogLayer> dialogLayer_;
    // Owned by the main window or by the modal dialog it was opened over.
    QPointer<GuideWindow> guide_;
    // The host's own entries, disabled while the window is busy.
    std::vector<QAction*> hostActions_;
    QAction* recordAction_ = nullptr;
    QAction* pacingAction_ = nullptr;
    int actionsRunning_ = 0;
    bool closeRequested_ = false;
};

}  // namespace zorhost

#endif
