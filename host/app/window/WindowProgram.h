// zorhost --window: the host with a face. Opens the main window over the
// host model, loads the add-on, plays the macro files in the window (or
// shows the ready scene) and runs until the window is closed.
#ifndef ZORHOST_WINDOW_PROGRAM_H
#define ZORHOST_WINDOW_PROGRAM_H

#include <ostream>
#include <string>
#include <vector>

namespace zorsim {
class Host;
}

namespace zorhost {

// Why no window can be opened in this environment (there is no display to
// open it on), or empty when one can be tried.
std::string displayProblem();

// Returns the exit status: exitOk once the window was closed; exitUsage
// after one line on `errors` when no window can be opened. Throws
// AddOnLoadError as AddOnLoader does.
int runWindow(zorsim::Host& host, const std::string& addOnPath, const std::vector<std::string>& macroFiles,
              std::ostream& errors);

}  // namespace zorhost

#endif
