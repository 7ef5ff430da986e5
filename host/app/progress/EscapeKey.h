// Esc on the terminal as the stop button of a running percent-done line.
//
//   EscapeKey escape;
//   escape.listen(true);          // a line runs: keys come one by one, unechoed
//   if (escape.pressed()) ...     // at each check
//   escape.listen(false);         // the line ended: the terminal as it was
//
// It listens only while the standard input is a terminal and zorhost runs
// in its foreground; otherwise nothing changes and no key is pressed. While
// it listens, Ctrl-Z puts the terminal back as it was before zorhost stops,
// and zorhost takes it again when it continues in the foreground.
#ifndef ZORHOST_ESCAPE_KEY_H
#define ZORHOST_ESCAPE_KEY_H

namespace zorhost {

class EscapeKey {
public:
    EscapeKey() = default;
    // Stops listening.
    ~EscapeKey();
    EscapeKey(const EscapeKey&) = delete;
    EscapeKey& operator=(const EscapeKey&) = delete;

    // Starts or stops listening; either may be asked again.
    void listen(bool on);
    // True when Esc was pressed since the last call. The other keys typed
    // meanwhile are dropped; the keys that send Esc and more (the arrows)
    // do not count.
    bool pressed();

    // Puts the terminal back as it was before listening; safe inside a
    // signal handler.
    static void restoreTerminal() noexcept;

private:
    // Ctrl-Z is caught, its previous handling kept.
    bool caught_ = false;
};

}  // namespace zorhost

#endif
