// Takes the screenshots of zorhost's window for the user's guide: opens the
// window as zorhost --window does, plays the macro files, optionally opens
// one of the host's menus, and saves what the screen shows of the window as
// a PNG. docs/screenshots.sh runs it in a virtual X server.
//
//   zorhost_screenshot OUTPUT.png [--menu NUMBER] MACROFILE...
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
#include "window/HostMenus.h"
#include "window/MainWindow.h"
#include "window/SessionSettings.h"
#include "zorsim/Host.h"

namespace {

// Lets the window process its events for `milliseconds`.
void settle(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace

int main(int argc, char** argv)
{
    const zorhost::SessionSettings settings;
    QApplication application(argc, argv);
    std::vector<std::string> arguments(argv + 1, argv + argc);
    if (arguments.empty()) {
        std::cerr << "usage: zorhost_screenshot OUTPUT.png [--menu NUMBER] MACROFILE...\n";
        return 2;
    }
    const std::string output = arguments.front();
    int menu = 0;
    std::vector<std::string> macroFiles;
    for (std::size_t i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == "--menu" && i + 1 < arguments.size())
            menu = std::atoi(arguments[++i].c_str());
        else
            macroFiles.push_back(arguments[i]);
    }

    zorhost::AddOnLoader addOn(ZORHOST_DEFAULT_ADDON);
    zorhost::MainWindow window(zorsim::host());
    window.resize(900, 700);
    window.show();
    settle(300);
    window.start(macroFiles);
    if (menu != 0)
        window.menuBar()->setActiveAction(window.menus().menu(menu)->menuAction());
    settle(500);
    const QPixmap shot = window.screen()->grabWindow(0, window.frameGeometry().x(), window.frameGeometry().y(),
                                                     window.frameGeometry().width(), window.frameGeometry().height());
    if (!shot.save(QString::fromStdString(output), "PNG")) {
        std::cerr << "zorhost_screenshot: cannot write " << output << "\n";
        return 1;
    }
    return 0;
}
