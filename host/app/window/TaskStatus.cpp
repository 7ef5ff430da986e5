#include "window/TaskStatus.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>

#include "zorsim/Host.h"

namespace zorhost {

TaskStatus::TaskStatus(zorsim::Host& host, QWidget& window)
    : host_(host),
      text_(new QLabel(this)),
      bar_(new QProgressBar(this)),
      stopButton_(new QPushButton("Stop", this)),
      escape_(new QShortcut(QKeySequence(Qt::Key_Escape), &window))
{
    setObjectName("taskStatus");
    text_->setObjectName("statusText");
    bar_->setObjectName("progressBar");
    stopButton_->setObjectName("stopButton");
    bar_->setRange(0, 100);
    bar_->setMaximumWidth(200);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(text_, 1);
    layout->addWidget(bar_);
    layout->addWidget(stopButton_);
    bar_->hide();
    stopButton_->hide();
    // As tall as while a task runs: the view keeps its size, and a movie
    // the size that Export Options showed.
    setMinimumHeight(stopButton_->sizeHint().height());
    escape_->setContext(Qt::ApplicationShortcut);
    escape_->setEnabled(false);
    connect(stopButton_, &QPushButton::clicked, this, &TaskStatus::stop);
    connect(escape_, &QShortcut::activated, this, &TaskStatus::stop);

    host_.status.onChange = [this](const zorsim::StatusModel& status) { statusChanged(status); };
    host_.status.pollCancel = [] {
        QCoreApplication::processEvents();
        return false;
    };
}

TaskStatus::~TaskStatus()
{
    host_.status.onChange = nullptr;
    host_.status.pollCancel = nullptr;
}

void TaskStatus::stop()
{
    if (running_)
        host_.status.requestCancel();
}

void TaskStatus::showOutcome(const QString& text)
{
    if (!running_)
        text_->setText(text);
}

void TaskStatus::statusChanged(const zorsim::StatusModel& status)
{
    const bool running = status.isShown();
    text_->setText(running ? QString::fromStdString(status.text()) : QString());
    if (status.starts() != startsSeen_) {
        startsSeen_ = status.starts();
        bar_->setValue(0);
    } else if (!status.percents().empty()) {
        bar_->setValue(status.percents().back());
    }
    bar_->setVisible(running && status.hasProgressBar());
    stopButton_->setVisible(running && status.hasStopButton());
    escape_->setEnabled(running && status.hasStopButton());
    if (running == running_)
        return;
    running_ = running;
    if (onRunningChanged)
        onRunningChanged(running);
}

}  // namespace zorhost
