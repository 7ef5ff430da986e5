#include "window/FramePacer.h"

#include <QEventLoop>
#include <QTimer>

#include <cmath>

namespace zorhost {

void FramePacer::waitForNextFrame(double framesPerSecond)
{
    if (last_.isValid() && framesPerSecond > 0.0) {
        const double left = 1000.0 / framesPerSecond - static_cast<double>(last_.nsecsElapsed()) / 1e6;
        if (left >= 1.0) {
            QEventLoop loop;
            QTimer::singleShot(static_cast<int>(std::lround(left)), Qt::PreciseTimer, &loop, &QEventLoop::quit);
            loop.exec();
        }
    }
    last_.start();
}

}  // namespace zorhost
