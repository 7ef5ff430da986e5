// Takes the screenshots of zorhost's window for the user's guide: opens the
// window as zorhost --window does, plays the macro files, then optionally
// opens one of the host's menus (and in it the submenu named by its object
// name), or the add-on's "Key Frame Animation"
// dialog beside the window, or that dialog's "Export Options" for a movie,
// and saves what the screen shows of them as a PNG. docs/screenshots.sh
// runs it in a virtual X server.
//
//   zorhost_screenshot OUTPUT.png [--menu NUMBER [--submenu NAME] | --dialog | --export-options] MACROFILE...
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTimer>

#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

#include "AddOnLoader.h"
#include "window/DialogLayer.h"
#include "window/DialogWindow.h"
#include "window/HostMenus.h"
#include "window/MainWindow.h"
#include "window/SessionSettings.h"
#include "zorsim/Host.h"

namespace {

const char* const usage =
    "usage: zorhost_screenshot OUTPUT.png [--menu NUMBER [--submenu NAME] | --dialog | --export-options] "
    "MACROFILE...\n";
const char* const dialogTitle = "Key Frame Animation";
const int toolsMenu = 10;

// Lets the window process its events for `milliseconds`.
void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

// Picks the add-on's option in the Tools menu, as a person does.
void openAddOnDialog(zorhost::MainWindow& window)
{
    for (QAction* action : window.menus().menu(toolsMenu)->actions())
        if (action->text() == "&Key Frame Animation...")
            action->trigger();
}

// The window of the first dialog titled `title`, or null.
zorhost::DialogWindow* dialogWindow(zorhost::MainWindow& window, const std::string& title)
{
    const std::vector<int> ids = zorsim::host().widgets.dialogsTitled(title);
    return ids.empty() ? nullptr : window.dialogs().windowOf(ids.front());
}

// Chooses "To File" in the dialog and presses Animate All, which asks for
// the movie's export options first.
void askForExportOptions(int dialogId)
{
    zorsim::WidgetModel& widgets = zorsim::host().widgets;
    widgets.choose(widgets.controlsOf(dialogId, zorsim::ControlKind::OptionMenu).front(), 2);
    widgets.pressButton(widgets.controlWithText(dialogId, "A&nimate\nAll"));
}

QRect frameOf(const QWidget& widget)
{
    return widget.frameGeometry();
}

}  // namespace

int main(int argc, char** argv)
{
    const zorhost::SessionSettings settings;
    QApplication application(argc, argv);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        std::cerr << usage;
        return 2;
    }
    const std::string output = arguments.front();
    int menu = 0;
    QString submenu;
    bool dialog = false;
    bool exportOptions = false;
    std::vector<std::string> macroFiles;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--menu" && i + 1 < arguments.size())
            menu = std::atoi(arguments[++i].c_str());
        else if (arguments[i] == "--submenu" && i + 1 < arguments.size())
            submenu = QString::fromStdString(arguments[++i]);
        else if (arguments[i] == "--dialog")
            dialog = true;
        else if (arguments[i] == "--export-options")
            exportOptions = true;
        else
            macroFiles.push_back(arguments[i]);
    }

    zorhost::AddOnLoader addOn(ZORHOST_DEFAULT_ADDON);
    zorhost::MainWindow window(zorsim::host());
    window.resize(900, 700);
    window.show();
    settle(300);
    window.start(macroFiles);
    QRect shown = frameOf(window);
    if (menu != 0)
        window.menuBar()->setActiveAction(window.menus().menu(menu)->menuAction());
    if (auto* opened = window.findChild<QMenu*>(submenu); opened != nullptr && !submenu.isEmpty()) {
        settle(300);
        window.menus().menu(menu)->setActiveAction(opened->menuAction());
        settle(300);
        shown = shown.united(opened->geometry());
    }
    if (dialog || exportOptions) {
        settle(300);
        openAddOnDialog(window);
        settle(300);
        zorhost::DialogWindow* main = dialogWindow(window, dialogTitle);
        if (main == nullptr) {
            std::cerr << "zorhost_screenshot: the add-on's dialog did not open\n";
            return 1;
        }
        main->move(frameOf(window).right() + 8, frameOf(window).top());
        shown = shown.united(frameOf(*main));
        if (exportOptions) {
            askForExportOptions(main->dialogId());
            settle(300);
            zorhost::DialogWindow* options = dialogWindow(window, "Export Options");
            if (options == nullptr) {
                std::cerr << "zorhost_screenshot: the export options did not open\n";
                return 1;
            }
            shown = frameOf(*options);
        }
    }
    settle(500);
    const QPixmap shot = window.screen()->grabWindow(0, shown.x(), shown.y(), shown.width(), shown.height());
    if (!shot.save(QString::fromStdString(output), "PNG")) {
        std::cerr << "zorhost_screenshot: cannot write " << output << "\n";
        return 1;
    }
    return 0;
}
