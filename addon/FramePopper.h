// Visit every frame of the host, one after another, each as the current one.
//
//   std::unique_ptr<FramePopperAbstract> popper = FramePopperAbstract::create(true);
//   do {
//       ...  // work on the current frame
//   } while (popper->next());
//
// A popper holds the add-on lock for its whole life. Destroying it completes
// the cycle, so the frame that was current at its creation is current again.
// A cycle never takes more steps than there were frames at its creation, so
// it ends also when the host loses or refuses to move a frame.
#ifndef KFA_ADDON_FRAME_POPPER_H
#define KFA_ADDON_FRAME_POPPER_H

#include <memory>

#include "ZorTypes.h"

class FramePopperAbstract {
public:
    // A FramePopper when `full` is true (frames are really brought to the
    // top, drawing off meanwhile), otherwise a FramePopperLightweight.
    static std::unique_ptr<FramePopperAbstract> create(bool full);

    // Makes the next frame current; false when every frame was visited.
    virtual bool next() = 0;
    virtual ~FramePopperAbstract();

    FramePopperAbstract(const FramePopperAbstract&) = delete;
    FramePopperAbstract& operator=(const FramePopperAbstract&) = delete;

protected:
    FramePopperAbstract();
};

// Pushes the top frame to the bottom until the first one is on top again.
// Drawing is off from creation to destruction.
class FramePopper : public FramePopperAbstract {
public:
    FramePopper();
    ~FramePopper() override;
    bool next() override;

private:
    ZorUniqueId startFrameId_;
    bool more_ = true;
    int pushesLeft_;
};

// Uses the host's lightweight popping, which leaves the frame order alone.
class FramePopperLightweight : public FramePopperAbstract {
public:
    FramePopperLightweight();
    ~FramePopperLightweight() override;
    bool next() override;

private:
    bool more_;
    int stepsLeft_;
};

#endif
