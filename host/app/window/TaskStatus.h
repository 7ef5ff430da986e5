// The host's percent-done line in the main window's status bar: while a
// task runs, its text, a progress bar and a Stop button; Esc stops it too.
// Between tasks it shows what the last one came to.
// A stop reaches the add-on at its next check. At every check the window
// processes its pending events, so that it stays responsive during a long
// task and the Stop button can be pressed at all.
//
// Installs itself as the host's status line face and removes itself when
// destroyed.
#ifndef ZORHOST_TASK_STATUS_H
#define ZORHOST_TASK_STATUS_H

#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;
class QPushButton;
class QShortcut;

namespace zorsim {
class Host;
class StatusModel;
}  // namespace zorsim

namespace zorhost {

class TaskStatus : public QWidget {
    Q_OBJECT

public:
    // `window` is where Esc is heard (in any of its dialogs too).
    TaskStatus(zorsim::Host& host, QWidget& window);
    ~TaskStatus() override;

    bool isRunning() const { return running_; }
    // The user asks to stop the running task, as Stop and Esc do.
    void stop();
    // Shown until the next task starts.
    void showOutcome(const QString& text);

    // Told when a task starts (true) and when it ends (false).
    std::function<void(bool running)> onRunningChanged;

private:
    void statusChanged(const zorsim::StatusModel& status);

    zorsim::Host& host_;
    QLabel* text_;
    QProgressBar* bar_;
    QPushButton* stopButton_;
    QShortcut* escape_;
    bool running_ = false;
    int startsSeen_ = 0;
};

}  // namespace zorhost

#endif
