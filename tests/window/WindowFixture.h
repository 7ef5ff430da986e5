// The main window over a fresh host with the add-on loaded, on Qt's
// offscreen platform, and a person's hands on it: menus through their
// mnemonics, drags on the view, and answers to the modal dialogs that come
// up while the window waits in them.
//
//   class MyTest : public WindowFixture {};
//   TEST_F(MyTest, Something) { answerFileDialog(path); pick('F', 'P'); ... }
#ifndef KFA_TESTS_WINDOW_WINDOW_FIXTURE_H
#define KFA_TESTS_WINDOW_WINDOW_FIXTURE_H

#include <QFileDialog>
#include <QMessageBox>
#include <QPoint>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "support/HostFixture.h"
#include "window/MainWindow.h"

class WindowFixture : public HostFixture {
protected:
    // A window of 640 x 480 pixels or so, shown, on the ready scene.
    void SetUp() override;
    void TearDown() override;

    zorhost::MainWindow& window() { return *window_; }
    std::string file(const std::string& name) const { return (folder_ / name).string(); }
    std::string writeFile(const std::string& name, const std::string& text) const;
    static std::string read(const std::string& path);

    // Alt+`menu`, then `entry`: the mnemonics of a menu and one of its entries.
    void pick(char menu, char entry);
    // A drag on the view with `button` from its centre by `step` pixels.
    void drag(Qt::MouseButton button, QPoint step);

    // The next file dialog is answered by typing `path` and Enter; `seen`
    // (if given) looks at it first.
    void answerFileDialog(const std::string& path, std::function<void(QFileDialog&)> seen = nullptr);
    // The next message box is answered with `button`; its text goes to `text`.
    void answerMessageBox(QMessageBox::StandardButton button, std::string* text = nullptr);
    // Runs `step` as soon as `ready` holds, from the event loop, while the
    // window is busy in a task. A step still waiting when the test ends
    // fails it.
    void whenReady(std::function<bool()> ready, std::function<void()> step, const char* what = "a state");
    // Makes the main window the active one, as a click on it would.
    void activate();

    // Two key frames 5000 frames apart in `name`, and a macro that opens
    // them and animates on screen: a task long enough to be stopped.
    std::string longAnimationMacro();

private:
    std::unique_ptr<zorhost::MainWindow> window_;
    // Parent of the steps that wait.
    std::unique_ptr<QObject> waiting_;
    std::filesystem::path folder_;
};

#endif
