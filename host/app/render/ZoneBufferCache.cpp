#include "render/ZoneBufferCache.h"

#include <epoxy/gl.h>

#include <limits>
#include <string>

#include "render/SceneGeometry.h"

namespace zorhost {

ZoneBufferCache::Buffer ZoneBufferCache::upload(const void* data, std::size_t vertices, std::size_t vertexSize)
{
    Buffer buffer;
    if (vertices == 0)
        return buffer;
    if (vertices > static_cast<std::size_t>(std::numeric_limits<GLsizei>::max()))
        throw RenderError("a zone of " + std::to_string(vertices) + " vertices is more than OpenGL draws at once");
    glGenBuffers(1, &buffer.name);
    glBindBuffer(GL_ARRAY_BUFFER, buffer.name);
    glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices * vertexSize), data, GL_STATIC_DRAW);
    if (const GLenum error = glGetError(); error != GL_NO_ERROR) {
        glDeleteBuffers(1, &buffer.name);
        throw RenderError(error == GL_OUT_OF_MEMORY
                              ? "not enough memory for a zone's " + std::to_string(vertices) + " vertices"
                              : "OpenGL failed while taking a zone's vertices");
    }
    buffer.vertices = static_cast<int>(vertices);
    ++uploads_;
    ++held_;
    return buffer;
}

const ZoneBufferCache::ZoneBuffers& ZoneBufferCache::buffersOf(const Scene& scene, const ZoneGeometry& zone)
{
    const Key key{zone.identity.value(), scene.colourVariable, scene.colourMin,
                  scene.colourMax,       scene.heightMin,      scene.heightMax};
    auto found = zones_.find(key);
    if (found == zones_.end()) {
        found = zones_.emplace(key, ZoneBuffers{}).first;
        try {
            const std::vector<Vertex> triangles = surfaceTriangles(scene, zone);
            found->second.surface = upload(triangles.data(), triangles.size(), sizeof(Vertex));
            const std::vector<Vertex> lines = streamtraceLines(zone);
            found->second.lines = upload(lines.data(), lines.size(), sizeof(Vertex));
        } catch (...) {
            // Tried again in the next picture that shows the zone.
            release(found->second);
            zones_.erase(found);
            throw;
        }
    }
    found->second.lastPicture = picture_;
    return found->second;
}

void ZoneBufferCache::release(ZoneBuffers& buffers)
{
    for (Buffer* buffer : {&buffers.surface, &buffers.lines})
        if (buffer->name != 0) {
            glDeleteBuffers(1, &buffer->name);
            buffer->name = 0;
            --held_;
        }
}

void ZoneBufferCache::pictureDrawn()
{
    for (auto zone = zones_.begin(); zone != zones_.end();) {
        if (zone->second.lastPicture == picture_) {
            ++zone;
            continue;
        }
        release(zone->second);
        zone = zones_.erase(zone);
    }
    ++picture_;
}

}  // namespace zorhost
