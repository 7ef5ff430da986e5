// The solution-time slider under the 3D view, shown while the current
// frame's data is transient (its zones hold more than one solution time).
// Its positions are the data's time steps; moving it sets the host's
// solution time as $!SOLUTIONTIME does, records that command while the host
// records a macro, and redraws.
#ifndef ZORHOST_TIME_SLIDER_H
#define ZORHOST_TIME_SLIDER_H

#include <QWidget>

#include <functional>
#include <vector>

class QLabel;
class QSlider;

namespace zorsim {
class Host;
}

namespace zorhost {

class TimeSlider : public QWidget {
    Q_OBJECT

public:
    TimeSlider(zorsim::Host& host, QWidget* parent = nullptr);

    // Follows the host: the current frame's time steps and solution time.
    void refresh();
    QSlider& slider() { return *slider_; }

    // Told after the user moved the slider.
    std::function<void()> onUserChange;

private:
    void moved(int position);

    zorsim::Host& host_;
    QSlider* slider_;
    QLabel* value_;
    std::vector<double> times_;
};

// The distinct solution times of the current frame's zones, ascending;
// empty without a frame or data.
std::vector<double> solutionTimes(const zorsim::Host& host);

}  // namespace zorhost

#endif
