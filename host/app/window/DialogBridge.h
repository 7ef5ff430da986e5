// The host's own dialogs as the desktop's: the file dialog an add-on asks
// for as a FileDialog, opened in the folder last used for that kind of
// file, its messages, warnings and errors as message boxes, its yes/no
// questions as a question box, and the host's reports (a movie that cannot
// be written, a picture that cannot be drawn) as warnings. Every box is
// modal over the main window.
//
// Why the host refused to start a movie is held back: the add-on reports
// the failure itself, and its message box shows the host's reason beneath
// its own text, so one failure brings one box.
//
// Installs itself into the host model and removes itself when destroyed.
#ifndef ZORHOST_DIALOG_BRIDGE_H
#define ZORHOST_DIALOG_BRIDGE_H

#include <optional>
#include <string>

class QWidget;

namespace zorsim {
class Host;
struct FileDialogRequest;
}  // namespace zorsim

namespace zorhost {

// The title of every box the window shows.
extern const char* const hostTitle;

class DialogBridge {
public:
    DialogBridge(zorsim::Host& host, QWidget& window);
    ~DialogBridge();
    DialogBridge(const DialogBridge&) = delete;
    DialogBridge& operator=(const DialogBridge&) = delete;

    // The file dialog for `request`: the chosen name, or nothing when the
    // user cancelled. The add-on asks about a missing extension and an
    // existing file itself, so the dialog asks neither.
    std::optional<std::string> chooseFile(const zorsim::FileDialogRequest& request);
    // A message of `kind` (ZOR_MESSAGE_...); questions go to ask.
    void show(const std::string& text, int kind);
    bool ask(const std::string& question);
    void warn(const std::string& text);
    // Shows a reason held back that no message of the add-on showed.
    void showHeldBack();

private:
    zorsim::Host& host_;
    QWidget& window_;
    std::string heldBack_;
};

}  // namespace zorhost

#endif
