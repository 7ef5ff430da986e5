// What the host model shows now, as a scene to draw and a frame log row.
#ifndef ZORHOST_HOST_SCENE_H
#define ZORHOST_HOST_SCENE_H

#include <string>

#include "log/FrameLog.h"
#include "player/FrameDataStore.h"
#include "render/Scene.h"

namespace zorsim {
class Host;
}

namespace zorhost {

// The picture size of an export: "IMAGEWIDTH" pixels wide, as high as the
// export region (the current frame, all frames or the work area) is in
// proportion; at least 1 x 1.
void exportPictureSize(const zorsim::Host& host, int& width, int& height);

// The current frame as it would be drawn now, in a picture of the export
// size with the export's supersampling. Without a frame: an empty scene.
Scene currentScene(const zorsim::Host& host, const FrameDataStore& data);

// The current frame as a window shows it: a picture of width x height
// pixels, without supersampling.
Scene currentScene(const zorsim::Host& host, const FrameDataStore& data, int width, int height);

// The frame log row of the current frame for `event`.
FrameLogRow currentFrameLogRow(const zorsim::Host& host, const std::string& event);

}  // namespace zorhost

#endif
