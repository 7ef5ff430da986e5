// The host's messages, questions and percent-done line as zorhost shows
// them on the terminal, while the object lives:
//
//   TerminalFace face(host, showProgress, std::cerr);
//   face.report("cannot write ...");   // "zorhost: cannot write ..."
//   // destruction: the line cleared, the host's hooks undone
//
// Messages go to `errors`, questions are answered yes, the line is drawn on
// the standard error stream when that is a terminal, and Ctrl-C, or Esc on
// a terminal, cancels a running line.
#ifndef ZORHOST_TERMINAL_FACE_H
#define ZORHOST_TERMINAL_FACE_H

#include <ostream>
#include <string>

#include "progress/CancelSignals.h"
#include "progress/EscapeKey.h"
#include "progress/ProgressBar.h"

namespace zorsim {
class Host;
class StatusModel;
}  // namespace zorsim

namespace zorhost {

class TerminalFace {
public:
    TerminalFace(zorsim::Host& host, bool showProgress, std::ostream& errors);
    ~TerminalFace();
    TerminalFace(const TerminalFace&) = delete;
    TerminalFace& operator=(const TerminalFace&) = delete;

    // Prints "zorhost: " and the message on a line of its own.
    void report(const std::string& message);
    // Prints the text on a line of its own, control characters escaped.
    void print(const std::string& text);

private:
    void statusChanged(const zorsim::StatusModel& status);

    zorsim::Host& host_;
    std::ostream& errors_;
    ProgressBar bar_;
    CancelSignals signals_;
    EscapeKey escape_;
    bool showBar_ = false;
    // Lines started so far, to tell a new line from the running one.
    int linesStarted_ = 0;
};

}  // namespace zorhost

#endif
