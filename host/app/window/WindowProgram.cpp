#include "window/WindowProgram.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

#include "AddOnLoader.h"
#include "program/HostProgram.h"
#include "window/MainWindow.h"

namespace zorhost {

namespace {

// What Qt said while its platform came up; the reason, when it fails.
std::string& platformWarning()
{
    static std::string warning;
    return warning;
}

// Qt ends the process with a report of several lines when it cannot open
// its platform (a display that does not answer); zorhost says so in one
// line and exits with the usage status instead.
void platformMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
{
    if (type != QtFatalMsg) {
        if (platformWarning().empty())
            platformWarning() = message.toStdString();
        return;
    }
    const std::string reason = platformWarning().empty() ? message.toStdString() : platformWarning();
    std::fprintf(stderr, "zorhost: cannot open the window: %s\n", reason.c_str());
    std::fflush(stderr);
    std::_Exit(exitUsage);
}

// QApplication keeps references to its arguments; Qt's own command-line
// options are not offered.
int applicationArgc = 1;
char applicationName[] = "zorhost";
char* applicationArgv[] = {applicationName, nullptr};

}  // namespace

std::string displayProblem()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    const bool needsX = platform.isEmpty() || platform.startsWith("xcb");
    if (needsX && qEnvironmentVariableIsEmpty("DISPLAY"))
        return "there is no display (DISPLAY is not set)";
    if (platform.startsWith("wayland") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return "there is no display (WAYLAND_DISPLAY is not set)";
    return {};
}

int runWindow(zorsim::Host& host, const std::string& addOnPath, const std::vector<std::string>& macroFiles,
              std::ostream& errors)
{
    const std::string problem = displayProblem();
    if (!problem.empty()) {
        errors << "zorhost: cannot open the window: " << problem << "\n";
        return exitUsage;
    }
    const QtMessageHandler previous = qInstallMessageHandler(platformMessage);
    QApplication application(applicationArgc, applicationArgv);
    qInstallMessageHandler(previous);
    AddOnLoader addOn(addOnPath);
    MainWindow window(host);
    window.show();
    QTimer::singleShot(0, &window, [&window, &macroFiles] { window.start(macroFiles); });
    return application.exec() == 0 ? exitOk : exitFailed;
}

}  // namespace zorhost
