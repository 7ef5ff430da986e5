#include "progress/EscapeKey.h"

#include <termios.h>
#include <unistd.h>

#include <csignal>

namespace zorhost {

namespace {

constexpr char escape = '\x1b';

struct termios savedMode {};
volatile std::sig_atomic_t listening = 0;

bool inForegroundOfTerminal()
{
    return isatty(STDIN_FILENO) != 0 && tcgetpgrp(STDIN_FILENO) == getpgrp();
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
        return;
    }
    if (listening != 0 || !inForegroundOfTerminal() || tcgetattr(STDIN_FILENO, &savedMode) != 0)
        return;
    // Keys as they come, without echo and without waiting; Ctrl-C still
    // sends its signal.
    struct termios keys = savedMode;
    keys.c_lflag &= static_cast<tcflag_t>(~(ICANON | ECHO));
    keys.c_cc[VMIN] = 0;
    keys.c_cc[VTIME] = 0;
    if (tcsetattr(STDIN_FILENO, TCSANOW, &keys) == 0)
        listening = 1;
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
