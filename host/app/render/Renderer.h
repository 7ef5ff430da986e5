// Draws a scene into a picture. The OpenGL renderer is one implementation;
// the rest of zorhost sees only this interface.
#ifndef ZORHOST_RENDERER_H
#define ZORHOST_RENDERER_H

#include <memory>
#include <stdexcept>

#include "render/Image.h"
#include "render/Scene.h"

namespace zorhost {

class RenderError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a renderer sent of the zones' geometry to the GL and holds there.
struct GeometryBufferCounts {
    // Buffers filled with a zone's surface or lines, since the renderer was made.
    std::size_t uploads = 0;
    // Buffers held now.
    std::size_t held = 0;
};

class Renderer {
public:
    virtual ~Renderer() = default;
    // Draws a picture of scene.width x scene.height pixels into `picture`,
    // reusing its storage when it has that size already (a movie draws
    // frame after frame without allocating one); throws RenderError when it
    // cannot be drawn, leaving `picture` of unspecified content.
    virtual void renderInto(const Scene& scene, Image& picture) = 0;

    // The same into a new picture.
    Image render(const Scene& scene)
    {
        Image picture;
        renderInto(scene, picture);
        return picture;
    }

    // A zone's surface and lines are sent to the GL once and drawn from
    // there in every picture that shows them; the buffers of zones the last
    // picture did not show are released.
    virtual GeometryBufferCounts geometryBuffers() const = 0;
};

// Draws with OpenGL off screen, without a display (EGL's surfaceless
// platform, Mesa's software renderer unless LIBGL_ALWAYS_SOFTWARE is set
// otherwise). Throws RenderError when no OpenGL context can be had.
std::unique_ptr<Renderer> createGlRenderer();

}  // namespace zorhost

#endif
