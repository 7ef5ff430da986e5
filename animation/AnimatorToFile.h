// The innermost animator for an animation into a movie file through the
// host's export, with the export settings the host holds.
//
// The first frame played starts the export (the frame shown then is the
// movie's first frame); every later frame is appended. A cancel abandons the
// movie; finish completes it at the normal end and says when that failed;
// destruction finishes a movie of its own still in progress, so an
// animation that ends through an error keeps what was exported.
#ifndef KFA_ANIMATION_ANIMATOR_TO_FILE_H
#define KFA_ANIMATION_ANIMATOR_TO_FILE_H

#include <vector>

#include "animation/AnimatorAbstract.h"

class AnimatorToFile : public virtual AnimatorAbstract {
public:
    explicit AnimatorToFile(const std::vector<KeyFrame_s>& keyFrames);
    ~AnimatorToFile() override;

    // Abandons the movie in progress; there is no inner animator to tell.
    void cancel() override;
    // Completes the movie; throws KeyFrameError when the host could not
    // (the host then keeps no part of it under the movie's name).
    void finish() override;

protected:
    // Throws KeyFrameError when the export cannot be started.
    void doAnimateFrame(uint32_t frameNumber) override;

private:
    void startExport();
    // An export that was running when this animator's start was refused is
    // someone else's and is left alone.
    bool isOwnExportRunning() const;

    bool exportPending_ = true;
};

#endif
