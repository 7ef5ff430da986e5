#include "window/TimeSlider.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSlider>

#include <algorithm>

#include "window/ViewNavigator.h"
#include "zorsim/Host.h"

namespace zorhost {

std::vector<double> solutionTimes(const zorsim::Host& host)
{
    std::vector<double> times;
    if (host.frames.empty())
        return times;
    for (const zorsim::Zone& zone : host.dataSet.current().zones)
        times.push_back(zone.solutionTime);
    std::sort(times.begin(), times.end());
    times.erase(std::unique(times.begin(), times.end()), times.end());
    return times;
}

TimeSlider::TimeSlider(zorsim::Host& host, QWidget* parent)
    : QWidget(parent), host_(host), slider_(new QSlider(Qt::Horizontal, this)), value_(new QLabel(this))
{
    setObjectName("timeSlider");
    slider_->setObjectName("solutionTime");
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(new QLabel("Solution time:", this));
    layout->addWidget(slider_, 1);
    layout->addWidget(value_);
    value_->setMinimumWidth(60);
    connect(slider_, &QSlider::valueChanged, this, &TimeSlider::moved);
    refresh();
}

void TimeSlider::refresh()
{
    times_ = solutionTimes(host_);
    setVisible(times_.size() > 1);
    if (times_.size() < 2)
        return;
    const double now = host_.dataSet.solutionTime();
    // The latest step not after the current time, as the frame draws it.
    const auto after = std::upper_bound(times_.begin(), times_.end(), now);
    const int position = after == times_.begin() ? 0 : static_cast<int>(after - times_.begin()) - 1;
    const QSignalBlocker quiet(slider_);
    slider_->setRange(0, static_cast<int>(times_.size()) - 1);
    slider_->setValue(position);
    value_->setText(QString::number(now));
}

void TimeSlider::moved(int position)
{
    if (position < 0 || position >= static_cast<int>(times_.size()))
        return;
    const double time = times_[static_cast<std::size_t>(position)];
    host_.dataSet.setSolutionTime(time);
    host_.macro.recordRaw("$!SOLUTIONTIME TIME = " + macroNumber(time));
    value_->setText(QString::number(time));
    host_.drawing.redraw(true);
    if (onUserChange)
        onUserChange();
}

}  // namespace zorhost
