// The image sequence: every picture drawn, written as a PNG file of its own
// in one folder, named by its frame number in the frame log:
// DIR/frame-000042.png. Each file replaces one of the same name only when
// it is complete.
#ifndef ZORHOST_FRAME_FOLDER_H
#define ZORHOST_FRAME_FOLDER_H

#include <string>

#include "render/Image.h"

namespace zorhost {

class FrameFolder {
public:
    // Creates the folder when it does not exist. Throws OutputFileError
    // "cannot create the frame folder DIR: reason" when it cannot be made,
    // is no folder or cannot be written.
    explicit FrameFolder(const std::string& folder);

    std::string fileName(int frameNumber) const;
    // Throws OutputFileError "cannot write the frame FILE: reason".
    void write(int frameNumber, const Image& picture) const;

private:
    std::string folder_;
};

}  // namespace zorhost

#endif
