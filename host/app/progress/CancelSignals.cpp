#include "progress/CancelSignals.h"

#include <csignal>
#include <iterator>

#include "output/PartialFiles.h"
#include "progress/EscapeKey.h"

namespace zorhost {

namespace {

volatile std::sig_atomic_t lineRunning = 0;
volatile std::sig_atomic_t cancelRequested = 0;

constexpr int handledSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previousActions[std::size(handledSignals)];

// Ends the program as the signal ends any program, leaving nothing
// partial behind. The signal is blocked while its handler runs, so the
// raised one arrives when the handler returns.
void endProgram(int signalNumber)
{
    partialFiles::removeAll();
    EscapeKey::restoreTerminal();
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void onSignal(int signalNumber)
{
    if (signalNumber == SIGINT && lineRunning != 0) {
        cancelRequested = 1;
        return;
    }
    endProgram(signalNumber);
}

}  // namespace

CancelSignals::CancelSignals()
{
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t i = 0; i < std::size(handledSignals); ++i)
        sigaction(handledSignals[i], &action, &previousActions[i]);
}

CancelSignals::~CancelSignals()
{
    for (std::size_t i = 0; i < std::size(handledSignals); ++i)
        sigaction(handledSignals[i], &previousActions[i], nullptr);
    lineRunning = 0;
    cancelRequested = 0;
}

void CancelSignals::setLineRunning(bool running)
{
    lineRunning = running ? 1 : 0;
    if (!running)
        cancelRequested = 0;
}

bool CancelSignals::takeRequest()
{
    if (cancelRequested == 0)
        return false;
    cancelRequested = 0;
    return true;
}

}  // namespace zorhost
