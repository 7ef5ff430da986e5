// Paces the pictures of an animation played on screen to a frame rate, so
// that it moves as the movie of it will. A picture that comes sooner than
// one frame's time after the one before waits for the rest of that time,
// with the window responsive meanwhile; one that comes later waits for
// nothing, so a slow drawing is never slowed further.
#ifndef ZORHOST_FRAME_PACER_H
#define ZORHOST_FRAME_PACER_H

#include <QElapsedTimer>

namespace zorhost {

class FramePacer {
public:
    // Returns when the next picture is due at `framesPerSecond`.
    void waitForNextFrame(double framesPerSecond);
    // The next picture is due at once (a new animation begins).
    void restart() { last_.invalidate(); }

private:
    QElapsedTimer last_;
};

}  // namespace zorhost

#endif
