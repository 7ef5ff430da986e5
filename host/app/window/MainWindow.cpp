#include "window/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

#include <filesystem>
#include <fstream>

#include "ZorTypes.h"
#include "datastream/DataFormats.h"
#include "window/GuideWindow.h"
#include "window/MovieReport.h"
#include "window/TaskStatus.h"
#include "window/TimeSlider.h"
#include "window/ViewWidget.h"
#include "window/WindowMemory.h"
#include "zorsim/Host.h"

namespace zorhost {

namespace {

constexpr int fileMenu = 1;
constexpr int viewMenu = 3;
constexpr int plotMenu = 4;
constexpr int helpMenu = 11;

const char* const placeKey = "main";
const char* const pacingKey = "view/playAtMovieSpeed";

const char* const recordLabel = "&Record Macro...";
const char* const stopRecordingLabel = "Stop &Recording";

// The ready scene, and what File > Load Sample plays into the current frame.
const std::vector<std::string> newFrameLines = {"$!NEWFRAME PLOTTYPE = CARTESIAN3D"};
const std::vector<std::string> sampleLines = {"$!LOADSAMPLE NAME = WAVE"};

}  // namespace

MainWindow::MainWindow(zorsim::Host& host)
    : host_(host),
      player_(host, frameData_),
      dialogBridge_(host, *this),
      recorder_(host, frameData_, nullptr, nullptr, nullptr,
                [this](const std::string& message) { dialogBridge_.warn(message); }),
      recording_(host.macro),
      menus_(host.registry, *menuBar(), [this](std::function<void()> action) { act(action); }),
      styleToggles_(host.styles,
                    [this](const std::string& line) { act([this, line] { playLines("the Plot menu", {line}); }); }),
      view_(new ViewWidget(host, frameData_)),
      timeSlider_(new TimeSlider(host)),
      taskStatus_(new TaskStatus(host, *this))
{
    setObjectName("mainWindow");
    auto* centre = new QWidget(this);
    auto* layout = new QVBoxLayout(centre);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_, 1);
    layout->addWidget(timeSlider_);
    setCentralWidget(centre);
    statusBar()->addWidget(taskStatus_, 1);

    buildFileMenu();
    buildViewMenu();
    buildPlotMenu();
    buildHelpMenu();
    menus_.addAddOnOptions();
    dialogLayer_ =
        std::make_unique<DialogLayer>(host.widgets, *this, [this](std::function<void()> action) { act(action); });

    recorder_.attach();
    // The recorder hears redraws first (movies), then the view shows them.
    host_.drawing.onRedraw = [this, movieHook = std::move(host_.drawing.onRedraw)](bool full) {
        if (movieHook)
            movieHook(full);
        paceRedraw();
        view_->drawNow();
    };
    host_.drawing.onChangeWaiting = [this] { QTimer::singleShot(0, this, &MainWindow::showWaitingChange); };
    host_.messages.onHelp = [this](const std::string& helpPage) { showHelpPage(helpPage); };
    view_->onUserChange = [this] { refresh(); };
    timeSlider_->onUserChange = [this] { refresh(); };
    taskStatus_->onRunningChanged = [this](bool) { busyChanged(); };
    if (!windowMemory::restorePlace(*this, placeKey))
        resize(900, 720);
    refresh();
}

MainWindow::~MainWindow()
{
    host_.drawing.onRedraw = nullptr;
    host_.drawing.onChangeWaiting = nullptr;
    host_.messages.onHelp = nullptr;
}

// ---- Menus -------------------------------------------------------------------

QAction* MainWindow::addHostAction(int menu, const QString& label, void (MainWindow::*slot)())
{
    QAction* action = menus_.menu(menu)->addAction(label);
    connect(action, &QAction::triggered, this, [this, slot] { (this->*slot)(); });
    hostActions_.push_back(action);
    return action;
}

void MainWindow::buildFileMenu()
{
    addHostAction(fileMenu, "&Play Macro...", &MainWindow::playMacro);
    recordAction_ = addHostAction(fileMenu, recordLabel, &MainWindow::toggleRecording);
    menus_.menu(fileMenu)->addSeparator();
    addHostAction(fileMenu, "&Load Sample", &MainWindow::loadSample);
    addHostAction(fileMenu, "Open &Data...", &MainWindow::openData);
    menus_.menu(fileMenu)->addSeparator();
    QAction* exit = menus_.menu(fileMenu)->addAction("E&xit");
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(exit, &QAction::triggered, this, &QWidget::close);
}

void MainWindow::buildViewMenu()
{
    addHostAction(viewMenu, "&Fit", &MainWindow::fitView);
    addHostAction(viewMenu, "&Reset", &MainWindow::resetView);
    menus_.menu(viewMenu)->addSeparator();
    pacingAction_ = menus_.menu(viewMenu)->addAction("Play at &Movie Speed");
    pacingAction_->setCheckable(true);
    pacingAction_->setChecked(windowMemory::flag(pacingKey, true));
    connect(pacingAction_, &QAction::toggled, this, [](bool on) { windowMemory::setFlag(pacingKey, on); });
}

void MainWindow::buildPlotMenu()
{
    QMenu& plot = *menus_.menu(plotMenu);
    for (const auto& [label, path] :
         {std::pair("Show Streamtrace &Markers", "STREAMATTRIBUTES STREAMTIMING SHOWMARKERS"),
          std::pair("Show Streamtrace &Dashes", "STREAMATTRIBUTES STREAMTIMING SHOWDASHES"),
          std::pair("Show Colour &Legend", "COLORLEGEND SHOW")})
        hostActions_.push_back(styleToggles_.add(plot, label, path));
    colourMenu_ =
        std::make_unique<ColourMenu>(plot, host_, frameData_, [this](std::function<void()> action) { act(action); });
}

void MainWindow::buildHelpMenu()
{
    addHostAction(helpMenu, "&User's Guide", &MainWindow::showGuide);
    addHostAction(helpMenu, "&About zorhost", &MainWindow::showAbout);
}

// ---- Actions -----------------------------------------------------------------

bool MainWindow::isBusy() const
{
    return actionsRunning_ > 0 || taskStatus_->isRunning();
}

void MainWindow::act(const std::function<void()>& action)
{
    if (isBusy())
        return;
    const MovieReport report(host_);
    ++actionsRunning_;
    busyChanged();
    try {
        action();
    } catch (const std::exception& error) {
        dialogBridge_.warn(error.what());
    }
    --actionsRunning_;
    host_.idle.runIdle();
    dialogBridge_.showHeldBack();
    busyChanged();
    if (const QString outcome = report.outcome(); !outcome.isEmpty())
        taskStatus_->showOutcome(outcome);
}

void MainWindow::busyChanged()
{
    const bool free = !isBusy();
    for (QAction* action : hostActions_)
        action->setEnabled(free);
    view_->setInteractive(free);
    timeSlider_->setEnabled(free);
    dialogLayer_->setInteractive(free);
    refresh();
    if (free)
        showWaitingChange();
    if (free && closeRequested_)
        QTimer::singleShot(0, this, &QWidget::close);
}

void MainWindow::showWaitingChange()
{
    // A task's in-between states are not for showing; its end is.
    if (!taskStatus_->isRunning() && host_.drawing.isChangeWaiting())
        view_->drawNow();
}

void MainWindow::paceRedraw()
{
    if (!taskStatus_->isRunning() || host_.exports.isRecording())
        pacer_.restart();
    else if (pacingAction_->isChecked())
        pacer_.waitForNextFrame(std::get<double>(host_.exports.values().value("ANIMATIONSPEED")));
}

void MainWindow::refresh()
{
    setWindowTitle(titleText());
    menus_.updateSensitivity(!isBusy());
    styleToggles_.refresh();
    timeSlider_->refresh();
    recordAction_->setText(recording_.isRecording() ? stopRecordingLabel : recordLabel);
}

QString MainWindow::titleText() const
{
    const std::string shown = frameData_.currentDataName(host_);
    return shown.empty() ? hostTitle : QString::fromStdString(shown) + " \u2014 " + hostTitle;
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    if (isBusy()) {
        closeRequested_ = true;
        taskStatus_->stop();
        event->ignore();
        return;
    }
    closeRequested_ = false;
    if (recording_.isRecording() && !stopRecording()) {
        event->ignore();
        return;
    }
    windowMemory::savePlace(*this, placeKey);
    event->accept();
}

// ---- Macros ------------------------------------------------------------------

void MainWindow::start(const std::vector<std::string>& macroFiles)
{
    if (macroFiles.empty()) {
        act([this] { playLines("the ready scene", newFrameLines) && playLines("the ready scene", sampleLines); });
        return;
    }
    for (const std::string& path : macroFiles)
        if (!playMacroFile(path))
            return;
}

bool MainWindow::playMacroFile(const std::string& path)
{
    std::ifstream in(path);
    std::vector<MacroCommand> commands;
    try {
        commands = readMacro(in);
    } catch (const MacroError& error) {
        dialogBridge_.show(path + ":" + std::to_string(error.line()) + ": " + error.what(), ZOR_MESSAGE_ERROR);
        return false;
    }
    if (!in.is_open() || in.bad()) {
        dialogBridge_.show("Cannot read the macro file " + path, ZOR_MESSAGE_ERROR);
        return false;
    }
    bool played = false;
    act([&] { played = playCommands(path, commands); });
    return played;
}

bool MainWindow::playCommands(const std::string& path, const std::vector<MacroCommand>& commands)
{
    bool played = true;
    for (const MacroCommand& command : commands) {
        try {
            player_.play(command);
        } catch (const MacroError& error) {
            // A task cancelled for closing the window fails as the user wanted.
            if (!closeRequested_)
                dialogBridge_.show(path + ":" + std::to_string(error.line()) + ": " + error.what(), ZOR_MESSAGE_ERROR);
            played = false;
            break;
        }
        // Between commands the window stays responsive (and may be closed).
        QCoreApplication::processEvents();
        if (closeRequested_) {
            played = false;
            break;
        }
    }
    return played;
}

bool MainWindow::playLines(const std::string& what, const std::vector<std::string>& lines)
{
    std::vector<MacroCommand> commands;
    for (const std::string& line : lines)
        commands.push_back(*parseMacroLine(line, static_cast<int>(commands.size()) + 1));
    return playCommands(what, commands);
}

std::optional<std::string> MainWindow::chooseMacroFile(bool saving)
{
    return dialogBridge_.chooseFile(
        {saving ? ZOR_FILE_DIALOG_SAVE_ASK_OVERWRITE : ZOR_FILE_DIALOG_OPEN, "Macro", "", "*.mcr"});
}

void MainWindow::playMacro()
{
    if (const std::optional<std::string> path = chooseMacroFile(false))
        playMacroFile(*path);
}

void MainWindow::toggleRecording()
{
    act([this] {
        if (recording_.isRecording())
            stopRecording();
        else
            startRecording();
    });
}

void MainWindow::startRecording()
{
    const std::optional<std::string> path = chooseMacroFile(true);
    if (!path)
        return;
    if (std::filesystem::exists(*path) &&
        !dialogBridge_.ask("The file: " + *path + " exists.\nAre you sure you want to overwrite it?"))
        return;
    recording_.start(*path);
}

bool MainWindow::stopRecording()
{
    for (;;) {
        const std::string problem = recording_.stop();
        if (problem.empty())
            return true;
        dialogBridge_.warn(problem + "\nThe recording goes on; choose another file for it.");
        const std::optional<std::string> path = chooseMacroFile(true);
        if (!path)
            return false;
        recording_.moveTo(*path);
    }
}

// ---- Sample, data files, view and help ---------------------------------------------

void MainWindow::loadSample()
{
    act([this] {
        if (host_.frames.empty())
            playLines("Load Sample", newFrameLines);
        playLines("Load Sample", sampleLines);
    });
}

void MainWindow::openData()
{
    const std::optional<std::string> path = dialogBridge_.chooseFile({ZOR_FILE_DIALOG_OPEN, "", "", dataFileFilter()});
    if (!path)
        return;
    act([this, &path] {
        if (host_.frames.empty())
            playLines("Open Data", newFrameLines);
        playLines("Open Data", {"$!READDATASET FILENAME = " + zorsim::quoteMacroText(*path)});
    });
}

void MainWindow::fitView()
{
    act([this] { view_->navigator().fit(); });
}

void MainWindow::resetView()
{
    act([this] { view_->navigator().reset(); });
}

void MainWindow::showGuide()
{
    openGuide();
}

GuideWindow* MainWindow::openGuide()
{
    // Over a modal dialog the guide belongs to it, so the person can use both.
    QWidget* modal = QApplication::activeModalWidget();
    QWidget* owner = modal != nullptr ? modal : this;
    GuideWindow* guide = guide_.data();
    if (guide == nullptr)
        guide_ = guide = new GuideWindow(owner);
    else if (guide->parentWidget() != owner)
        guide->setParent(owner, Qt::Window);
    const QString path = GuideWindow::guidePath();
    if (!guide->load(path)) {
        dialogBridge_.warn("The user's guide is not at " + path.toStdString());
        return nullptr;
    }
    guide->show();
    guide->raise();
    return guide;
}

void MainWindow::showHelpPage(const std::string& helpPage)
{
    GuideWindow* guide = openGuide();
    if (guide == nullptr)
        return;
    const QString topic = GuideWindow::helpTopic(QString::fromStdString(helpPage));
    if (!guide->showTopic(topic))
        dialogBridge_.warn("The help page " + helpPage + " would be the section \"" + topic.toStdString() +
                           "\" of the user's guide " + GuideWindow::guidePath().toStdString() +
                           ", which has no such section.");
}

void MainWindow::showAbout()
{
    QString text = QString("zorhost ") + ZORHOST_WINDOW_VERSION + ", the stand-in Zorvan host.";
    for (const zorsim::RegisteredAddOn& addOn : host_.registry.addOns())
        text += "\n\nAdd-on: " + QString::fromStdString(addOn.name + " " + addOn.versionText + ", " + addOn.company);
    QMessageBox::about(this, "About zorhost", text);
}

}  // namespace zorhost
