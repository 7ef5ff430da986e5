#include "player/HostScene.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "zorsim/Host.h"

namespace zorhost {

namespace {

int exportInt(const zorsim::Host& host, const std::string& keyword)
{
    return std::get<int>(host.exports.values().value(keyword));
}

bool exportBool(const zorsim::Host& host, const std::string& keyword)
{
    return std::get<bool>(host.exports.values().value(keyword));
}

// Width over height of the region the export shows.
double regionAspect(const zorsim::Host& host)
{
    const zorsim::FrameModel& frames = host.frames;
    switch (exportInt(host, "EXPORTREGION")) {
    case 1: {
        if (frames.empty())
            break;
        double left = 1e300, top = 1e300, right = -1e300, bottom = -1e300;
        for (const zorsim::Frame& frame : frames.frames()) {
            left = std::min(left, frame.x);
            top = std::min(top, frame.y);
            right = std::max(right, frame.x + frame.width);
            bottom = std::max(bottom, frame.y + frame.height);
        }
        if (right > left && bottom > top)
            return (right - left) / (bottom - top);
        break;
    }
    case 2:
        if (frames.workAreaWidth > 0 && frames.workAreaHeight > 0)
            return static_cast<double>(frames.workAreaWidth) / frames.workAreaHeight;
        break;
    default:
        if (!frames.empty() && frames.current().width > 0 && frames.current().height > 0)
            return frames.current().width / frames.current().height;
        break;
    }
    return 4.0 / 3.0;
}

Camera cameraOf(const zorsim::ViewState& view)
{
    Camera camera;
    camera.position = {static_cast<float>(view.position[0]), static_cast<float>(view.position[1]),
                       static_cast<float>(view.position[2])};
    camera.psi = view.psi;
    camera.theta = view.theta;
    camera.alpha = view.alpha;
    camera.width = view.width;
    camera.perspective = view.perspective;
    camera.fieldOfView = view.fieldOfView;
    return camera;
}

}  // namespace

void exportPictureSize(const zorsim::Host& host, int& width, int& height)
{
    width = std::max(1, exportInt(host, "IMAGEWIDTH"));
    height = std::max(1, static_cast<int>(std::lround(width / regionAspect(host))));
}

Scene currentScene(const zorsim::Host& host, const FrameDataStore& data)
{
    Scene scene;
    exportPictureSize(host, scene.width, scene.height);
    scene.supersample = exportBool(host, "USESUPERSAMPLEANTIALIASING") ? exportInt(host, "SUPERSAMPLEFACTOR") : 1;
    const zorsim::StyleModel& styles = host.styles;
    scene.lightIntensity = styles.doubleValue("GLOBALTHREED LIGHTSOURCE INTENSITY");
    scene.backgroundLight = styles.doubleValue("GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT");
    scene.showFrameAxis = styles.boolValue("THREEDAXIS FRAMEAXIS SHOW");
    scene.streamtraces.showMarkers = styles.boolValue("STREAMATTRIBUTES STREAMTIMING SHOWMARKERS");
    scene.streamtraces.showDashes = styles.boolValue("STREAMATTRIBUTES STREAMTIMING SHOWDASHES");
    scene.streamtraces.timeAnchor = styles.doubleValue("STREAMATTRIBUTES STREAMTIMING TIMEANCHOR");
    scene.streamtraces.deltaTime = styles.doubleValue("STREAMATTRIBUTES STREAMTIMING DELTATIME");
    scene.bounds = {{-1.0f, -1.0f, -1.0f}, {1.0f, 1.0f, 1.0f}};
    if (host.frames.empty())
        return scene;
    scene.camera = cameraOf(host.view.current());
    data.describe(host, scene);
    scene.legend.show = scene.legend.show && styles.boolValue("COLORLEGEND SHOW");
    return scene;
}

Scene currentScene(const zorsim::Host& host, const FrameDataStore& data, int width, int height)
{
    Scene scene = currentScene(host, data);
    scene.width = width;
    scene.height = height;
    scene.supersample = 1;
    return scene;
}

FrameLogRow currentFrameLogRow(const zorsim::Host& host, const std::string& event)
{
    FrameLogRow row;
    row.event = event;
    const zorsim::StyleModel& styles = host.styles;
    row.intensity = styles.doubleValue("GLOBALTHREED LIGHTSOURCE INTENSITY");
    row.backgroundLight = styles.doubleValue("GLOBALTHREED LIGHTSOURCE BACKGROUNDLIGHT");
    row.frameAxis = styles.boolValue("THREEDAXIS FRAMEAXIS SHOW");
    row.timeAnchor = styles.doubleValue("STREAMATTRIBUTES STREAMTIMING TIMEANCHOR");
    if (host.frames.empty())
        return row;
    const zorsim::ViewState& view = host.view.current();
    row.x = view.position[0];
    row.y = view.position[1];
    row.z = view.position[2];
    row.psi = view.psi;
    row.theta = view.theta;
    row.alpha = view.alpha;
    row.width = view.width;
    row.solutionTime = host.dataSet.solutionTime();
    return row;
}

}  // namespace zorhost
