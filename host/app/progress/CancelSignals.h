// The signals zorhost handles while it plays. Ctrl-C (SIGINT) asks the
// running percent-done line to cancel instead of ending the program. A
// signal that ends the program (Ctrl-C while no line runs, SIGTERM, SIGHUP)
// first removes the temporary files of outputs not yet complete and puts
// the terminal back as it was, and then ends it as that signal ends any
// program.
//
//   CancelSignals signals;               // installs the handlers
//   signals.setLineRunning(true);        // a percent-done line starts
//   if (signals.takeRequest()) ...       // at each check
#ifndef ZORHOST_CANCEL_SIGNALS_H
#define ZORHOST_CANCEL_SIGNALS_H

namespace zorhost {

class CancelSignals {
public:
    CancelSignals();
    // Restores the handlers that were there before.
    ~CancelSignals();
    CancelSignals(const CancelSignals&) = delete;
    CancelSignals& operator=(const CancelSignals&) = delete;

    void setLineRunning(bool running);
    // True once after each Ctrl-C that came while a line ran.
    bool takeRequest();
};

}  // namespace zorhost

#endif
