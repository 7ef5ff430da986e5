#include "render/ZoneBufferCache.h"

#include <epoxy/gl.h>

#include "render/SceneGeometry.h"

namespace zorhost {

ZoneBufferCache::Buffer ZoneBufferCache::upload(const void* data, std::size_t vertices, std::size_t vertexSize)
{
    Buffer buffer;
    if (vertices == 0)
        return buffer;
    glGenBuffers(1, &buffer.name);
    glBindBuffer(GL_ARRAY_BUFFER, buffer.name);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices * vertexSize), data, GL_STATIC_DRAW);
    buffer.vertices = static_cast<int>(vertices);
    ++uploads_;
    ++held_;
    return buffer;
}

const ZoneBufferCache::ZoneBuffers& ZoneBufferCache::buffersOf(const Scene& scene, const ZoneGeometry& zone)
{
    const Key key{zone.identity.value(), scene.colourVariable, scene.colourMin,
                  scene.colourMax,       scene.heightMin,      scene.heightMax};
    auto [found, added] = zones_.try_emplace(key);
    ZoneBuffers& buffers = found->second;
    buffers.lastPicture = picture_;
    if (added) {
        const std::vector<Vertex> triangles = surfaceTriangles(scene, zone);
        buffers.surface = upload(triangles.data(), triangles.size(), sizeof(Vertex));
        const std::vector<Vertex> lines = streamtraceLines(zone);
        buffers.lines = upload(lines.data(), lines.size(), sizeof(Vertex));
    }
    return buffers;
}

void ZoneBufferCache::pictureDrawn()
{
    for (auto zone = zones_.begin(); zone != zones_.end();) {
        if (zone->second.lastPicture == picture_) {
            ++zone;
            continue;
        }
        for (Buffer* buffer : {&zone->second.surface, &zone->second.lines})
            if (buffer->name != 0) {
                glDeleteBuffers(1, &buffer->name);
                --held_;
            }
        zone = zones_.erase(zone);
    }
    ++picture_;
}

}  // namespace zorhost
