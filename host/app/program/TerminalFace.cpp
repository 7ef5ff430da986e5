#include "program/TerminalFace.h"

#include <unistd.h>

#include "macro/PrintableText.h"
#include "zorsim/Host.h"

namespace zorhost {

TerminalFace::TerminalFace(zorsim::Host& host, bool showProgress, std::ostream& errors)
    : host_(host), errors_(errors), bar_(stderr)
{
    showBar_ = showProgress && isatty(STDERR_FILENO) != 0;
    host_.messages.setAnswerAllQuestionsYes(true);
    host_.messages.onMessage = [this](const std::string& text, int) { print(text); };
    host_.exports.onStartFailed = [this](const std::string& reason) { report("cannot start the movie: " + reason); };
    host_.status.onChange = [this](const zorsim::StatusModel& status) { statusChanged(status); };
    host_.status.pollCancel = [this] { return signals_.takeRequest() || escape_.pressed(); };
}

TerminalFace::~TerminalFace()
{
    bar_.clear();
    host_.messages.onMessage = nullptr;
    host_.exports.onStartFailed = nullptr;
    host_.status.onChange = nullptr;
    host_.status.pollCancel = nullptr;
}

void TerminalFace::report(const std::string& message)
{
    print("zorhost: " + message);
}

void TerminalFace::print(const std::string& text)
{
    bar_.clear();
    errors_ << printable(text) << "\n";
}

void TerminalFace::statusChanged(const zorsim::StatusModel& status)
{
    signals_.setLineRunning(status.isShown());
    escape_.listen(status.isShown());
    if (status.starts() != linesStarted_) {
        linesStarted_ = status.starts();
        bar_.start();
    }
    if (!showBar_)
        return;
    if (!status.isShown()) {
        bar_.clear();
        return;
    }
    bar_.show(status.text(), status.percent());
}

}  // namespace zorhost
