// The GL buffers of the zones a renderer draws: each zone's shaded
// triangles and its streamtrace lines, filled once when a picture first
// shows the zone in its colouring, and released when a picture no longer
// does (data replaced, a frame deleted, a time series stepping on), so
// that no more than the zones of one picture are held.
//
// Every call needs the renderer's context current. Its buffers are freed
// with that context, so the cache does not delete them when it goes.
#ifndef ZORHOST_ZONE_BUFFER_CACHE_H
#define ZORHOST_ZONE_BUFFER_CACHE_H

#include <cstdint>
#include <map>
#include <string>
#include <tuple>

#include "render/Renderer.h"
#include "render/Scene.h"

namespace zorhost {

class ZoneBufferCache {
public:
    struct Buffer {
        unsigned name = 0;
        int vertices = 0;
    };
    struct ZoneBuffers {
        Buffer surface;
        Buffer lines;
        std::uint64_t lastPicture = 0;
    };

    // The buffers of `zone` coloured as `scene` colours it, filled now when
    // they are not held; they stay valid until the next pictureDrawn().
    const ZoneBuffers& buffersOf(const Scene& scene, const ZoneGeometry& zone);
    // Releases the buffers the picture just drawn did not use.
    void pictureDrawn();

    GeometryBufferCounts counts() const { return {uploads_, held_}; }

private:
    // A zone's identity and what its colours depend on.
    using Key = std::tuple<std::uint64_t, std::string, double, double, double, double>;

    // Throws RenderError when the GL has no room for it.
    Buffer upload(const void* data, std::size_t vertices, std::size_t vertexSize);
    void release(ZoneBuffers& buffers);

    std::map<Key, ZoneBuffers> zones_;
    std::uint64_t picture_ = 1;
    std::size_t uploads_ = 0;
    std::size_t held_ = 0;
};

}  // namespace zorhost

#endif
