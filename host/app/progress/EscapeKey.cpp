#include "progress/EscapeKey.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>

namespace zorhost {

namespace {

constexpr char escape = '\x1b';

struct termios savedMode {};
// The mode while listening: keys as they come, without echo and without
// waiting; Ctrl-C and Ctrl-Z still send their signals.
struct termios keysMode {};
volatile std::sig_atomic_t listening = 0;
struct sigaction previousStop {};

bool inForegroundOfTerminal()
{
    return isatty(STDIN_FILENO) != 0 && tcgetpgrp(STDIN_FILENO) == getpgrp();
}

void onStop(int);

void catchStop()
{
    struct sigaction action {};
    action.sa_handler = onStop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTSTP, &action, nullptr);
}

// Ctrl-Z: the terminal as it was while zorhost is stopped, and the keys
// mode again when it continues in the terminal's foreground.
void onStop(int)
{
    const int savedErrno = errno;
    EscapeKey::restoreTerminal();
    signal(SIGTSTP, SIG_DFL);
    sigset_t stop;
    sigemptyset(&stop);
    sigaddset(&stop, SIGTSTP);
    sigprocmask(SIG_UNBLOCK, &stop, nullptr);
    raise(SIGTSTP);
    // Continued.
    catchStop();
    if (inForegroundOfTerminal() && tcsetattr(STDIN_FILENO, TCSANOW, &keysMode) == 0)
        listening = 1;
    errno = savedErrno;
}

}  // namespace

EscapeKey::~EscapeKey()
{
    listen(false);
}

void EscapeKey::listen(bool on)
{
    if (!on) {
        restoreTerminal();
        if (caught_)
            sigaction(SIGTSTP, &previousStop, nullptr);
        caught_ = false;
        return;
    }
    if (listening != 0 || !inForegroundOfTerminal() || tcgetattr(STDIN_FILENO, &savedMode) != 0)
        return;
    keysMode = savedMode;
    keysMode.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    keysMode.c_cc[VMIN] = 0;
    keysMode.c_cc[VTIME] = 0;
    if (tcsetattr(STDIN_FILENO, TCSANOW, &keysMode) != 0)
        return;
    listening = 1;
    if (!caught_)
        sigaction(SIGTSTP, nullptr, &previousStop);
    caught_ = true;
    catchStop();
}

bool EscapeKey::pressed()
{
    if (listening == 0)
        return false;
    bool pressed = false;
    char keys[64];
    for (ssize_t count; (count = read(STDIN_FILENO, keys, sizeof keys)) > 0;) {
        for (ssize_t i = 0; i < count; ++i) {
            if (keys[i] != escape)
                continue;
            // "Esc [" and "Esc O" begin what the arrow and function keys send.
            if (i + 1 < count && (keys[i + 1] == '[' || keys[i + 1] == 'O'))
                ++i;
            else
                pressed = true;
        }
    }
    return pressed;
}

void EscapeKey::restoreTerminal() noexcept
{
    if (listening == 0)
        return;
    tcsetattr(STDIN_FILENO, TCSANOW, &savedMode);
    listening = 0;
}

}  // namespace zorhost
