// The main window over a fresh host with the add-on loaded, on Qt's
// offscreen platform with a desktop's screen (or an X server's, as the
// program is built), remembering what it remembers in a configuration folder
// of the test's own, and a person's hands on it: menus through their
// mnemonics, drags on the view, the controls of the add-on's dialogs, and
// answers to the modal dialogs.
//
//   class MyTest : public WindowFixture {};
//   TEST_F(MyTest, Something) { answerFileDialog(path); pick('F', 'P'); ... }
#ifndef KFA_TESTS_WINDOW_WINDOW_FIXTURE_H
#define KFA_TESTS_WINDOW_WINDOW_FIXTURE_H

#include <QFileDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPoint>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>

#include "support/HostFixture.h"
#include "support/TempFolder.h"
#include "window/DialogLayer.h"
#include "window/MainWindow.h"

class WindowFixture : public HostFixture {
protected:
    // A window of 640 x 560 pixels, shown, on the ready scene.
    void SetUp() override;
    void TearDown() override;

    zorhost::MainWindow& window() { return *window_; }
    // Closes the window and opens it anew, as the next run would.
    void reopenWindow();
    std::string file(const std::string& name) const { return folder_.path(name); }
    // Writes `text` into the folder's file `name`; returns its full name.
    std::string writeFile(const std::string& name, const std::string& text) const
    {
        return ::writeFile(file(name), text);
    }

    // Alt+`menu`, then `entry`: the mnemonics of a menu and one of its
    // entries, in `in` (the main window when not given).
    void pick(char menu, char entry, QWidget* in = nullptr);
    // A drag on the view with `button` from its centre by `step` pixels.
    void drag(Qt::MouseButton button, QPoint step);
    // Makes `window` the active one, as a click on it would.
    static void focus(QWidget& window);

    // The window of the add-on's dialog titled `title`, and its controls:
    // the one showing `text`, the n-th of `kind`.
    zorhost::DialogWindow& dialogTitled(const std::string& title);
    QWidget& control(zorhost::DialogWindow& dialog, const std::string& text);
    template <typename Widget>
    Widget& controlOf(zorhost::DialogWindow& dialog, zorsim::ControlKind kind, std::size_t n = 0)
    {
        const int id = host().widgets.controlsOf(dialog.dialogId(), kind).at(n);
        auto* widget = dialog.findChild<Widget*>("control" + QString::number(id));
        if (widget == nullptr)
            throw std::runtime_error("no widget for control " + std::to_string(id));
        return *widget;
    }
    // A click on the list's line `row`, with `modifiers` held.
    static void clickLine(QListWidget& list, int row, Qt::KeyboardModifiers modifiers = {});
    // Types `text` over a field's content, then presses `key` (Enter or Tab).
    static void typeInto(QLineEdit& field, const QString& text, Qt::Key key = Qt::Key_Return);

    // The next file dialog is answered by typing the name of the folder's
    // file `name` and Enter; `seen` (if given) looks at it first.
    void answerFileDialog(const std::string& name, std::function<void(QFileDialog&)> seen = nullptr);
    // The next message box is answered with `button`; its text and, on a
    // line of its own, its informative text go to `text`.
    void answerMessageBox(QMessageBox::StandardButton button, std::string* text = nullptr);
    // Runs `step` as soon as `ready` holds, from the event loop, while the window is busy
    // in a task. A step still waiting when the test ends fails it.
    void whenReady(std::function<bool()> ready, std::function<void()> step, const char* what = "a state");

    TempFolder folder_;
    TempFolder config_;

private:
    void openWindow();

    std::unique_ptr<zorhost::MainWindow> window_;
    // Parent of the steps that wait.
    std::unique_ptr<QObject> waiting_;
};

#endif
