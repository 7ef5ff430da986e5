// The OpenGL renderer: an EGL context without any surface (Mesa's
// surfaceless platform), drawing into a frame buffer object of the picture's
// size times the supersample factor, read back and scaled down.
//
// Sections: EGL context - shader program - frame buffer - drawing.
#include <epoxy/egl.h>
#include <epoxy/gl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "render/ColourLegend.h"
#include "render/Renderer.h"
#include "render/SceneGeometry.h"
#include "render/ViewTransform.h"
#include "render/ZoneBufferCache.h"

namespace zorhost {

namespace {

// ---- EGL context -----------------------------------------------------------

class EglContext {
public:
    EglContext()
    {
        // Without a GPU device Mesa picks llvmpipe anyway; saying so keeps
        // pictures the same on machines that have one.
        setenv("LIBGL_ALWAYS_SOFTWARE", "1", 0);
        display_ = eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        EGLint major = 0;
        EGLint minor = 0;
        if (display_ == EGL_NO_DISPLAY || eglInitialize(display_, &major, &minor) != EGL_TRUE)
            throw RenderError("cannot open EGL's surfaceless display (are the Mesa drivers installed?)");
        if (eglBindAPI(EGL_OPENGL_API) != EGL_TRUE) {
            terminateDisplayWhenUnused();
            throw RenderError("EGL offers no OpenGL");
        }
        const EGLint configAttributes[] = {EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
        EGLConfig config = nullptr;
        EGLint configs = 0;
        if (eglChooseConfig(display_, configAttributes, &config, 1, &configs) != EGL_TRUE || configs < 1)
            config = EGL_NO_CONFIG_KHR;
        context_ = eglCreateContext(display_, config, EGL_NO_CONTEXT, nullptr);
        if (context_ == EGL_NO_CONTEXT ||
            eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_) != EGL_TRUE) {
            if (context_ != EGL_NO_CONTEXT)
                eglDestroyContext(display_, context_);
            terminateDisplayWhenUnused();
            throw RenderError("cannot make an OpenGL context current without a surface");
        }
        ++contextsAlive;
    }
    // Destroying the context frees the objects made in it. Nothing is
    // deleted by name: OpenGL names belong to a context, and deleted while
    // another renderer's context is current they would delete its objects.
    ~EglContext()
    {
        if (eglGetCurrentContext() == context_)
            eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
        eglDestroyContext(display_, context_);
        --contextsAlive;
        terminateDisplayWhenUnused();
    }
    EglContext(const EglContext&) = delete;
    EglContext& operator=(const EglContext&) = delete;

    // Another renderer of the thread (the window's beside the movie's) may
    // have made its own context current since.
    void makeCurrent()
    {
        if (eglGetCurrentContext() != context_ &&
            eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_) != EGL_TRUE)
            throw RenderError("cannot make the OpenGL context current again");
    }

private:
    void terminateDisplayWhenUnused()
    {
        if (contextsAlive == 0)
            eglTerminate(display_);
    }

    // Every renderer of the process shares the one surfaceless display, and
    // terminating it ends every context on it: only the last renderer to go
    // terminates it. Renderers are made and dropped on one thread.
    static inline int contextsAlive = 0;

    EGLDisplay display_ = EGL_NO_DISPLAY;
    EGLContext context_ = EGL_NO_CONTEXT;
};

// ---- shader program --------------------------------------------------------

const char* const vertexShader = R"(#version 330
layout(location = 0) in vec3 position;
layout(location = 1) in vec3 normal;
layout(location = 2) in vec3 colour;
uniform mat4 transform;
uniform mat3 turn;
out vec3 viewNormal;
out vec3 baseColour;
void main() {
    gl_Position = transform * vec4(position, 1.0);
    viewNormal = turn * normal;
    baseColour = colour;
})";

// Shaded parts: colour x (background + intensity x facing); unshaded parts
// (lines, marks, the triad, the background) use facing 1.
const char* const fragmentShader = R"(#version 330
in vec3 viewNormal;
in vec3 baseColour;
uniform bool shaded;
uniform vec3 lightDirection;
uniform float background;
uniform float intensity;
out vec4 fragmentColour;
void main() {
    float facing = shaded ? abs(dot(normalize(viewNormal), lightDirection)) : 1.0;
    fragmentColour = vec4(min(baseColour * (background + intensity * facing), vec3(1.0)), 1.0);
})";

GLuint compiled(GLenum kind, const char* source)
{
    const GLuint shader = glCreateShader(kind);
    glShaderSource(shader, 1, &source, nullptr);
    glCompileShader(shader);
    GLint ok = GL_FALSE;
    glGetShaderiv(shader, GL_COMPILE_STATUS, &ok);
    if (ok != GL_TRUE) {
        char log[1024] = "";
        glGetShaderInfoLog(shader, sizeof log, nullptr, log);
        glDeleteShader(shader);
        throw RenderError(std::string("shader does not compile: ") + log);
    }
    return shader;
}

GLuint linkedProgram()
{
    const GLuint vertex = compiled(GL_VERTEX_SHADER, vertexShader);
    const GLuint fragment = compiled(GL_FRAGMENT_SHADER, fragmentShader);
    const GLuint program = glCreateProgram();
    glAttachShader(program, vertex);
    glAttachShader(program, fragment);
    glLinkProgram(program);
    glDeleteShader(vertex);
    glDeleteShader(fragment);
    GLint ok = GL_FALSE;
    glGetProgramiv(program, GL_LINK_STATUS, &ok);
    if (ok != GL_TRUE) {
        glDeleteProgram(program);
        throw RenderError("shader program does not link");
    }
    return program;
}

// ---- frame buffer ------------------------------------------------------------

// OpenGL's rows run from the bottom: swaps them in place, through `row`.
void flipRows(Image& picture, std::vector<std::uint8_t>& row)
{
    const std::size_t stride = static_cast<std::size_t>(picture.width) * 3;
    row.resize(stride);
    for (int top = 0, bottom = picture.height - 1; top < bottom; ++top, --bottom) {
        std::uint8_t* const upper = picture.pixel(0, top);
        std::uint8_t* const lower = picture.pixel(0, bottom);
        std::copy_n(upper, stride, row.data());
        std::copy_n(lower, stride, upper);
        std::copy_n(row.data(), stride, lower);
    }
}

// A frame buffer with its colour and depth buffers, made in the current
// context and freed with it.
class FrameBuffer {
public:
    FrameBuffer()
    {
        glGenFramebuffers(1, &frameBuffer_);
        glGenRenderbuffers(2, renderBuffers_);
    }
    FrameBuffer(const FrameBuffer&) = delete;
    FrameBuffer& operator=(const FrameBuffer&) = delete;

    void bind(int width, int height)
    {
        glBindFramebuffer(GL_FRAMEBUFFER, frameBuffer_);
        if (width == width_ && height == height_)
            return;
        glBindRenderbuffer(GL_RENDERBUFFER, renderBuffers_[0]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        glBindRenderbuffer(GL_RENDERBUFFER, renderBuffers_[1]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, renderBuffers_[0]);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, renderBuffers_[1]);
        if (glCheckFramebufferStatus(GL_FRAMEBUFFER) != GL_FRAMEBUFFER_COMPLETE) {
            width_ = height_ = 0;
            throw RenderError("cannot draw a picture of " + std::to_string(width) + " x " + std::to_string(height) +
                              " pixels");
        }
        width_ = width;
        height_ = height;
    }

    // Reads the picture into `picture` (resized to the buffer), rows from
    // the top.
    void read(Image& picture)
    {
        picture.resize(width_, height_);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width_, height_, GL_RGB, GL_UNSIGNED_BYTE, picture.rgb.data());
        flipRows(picture, row_);
    }

private:
    GLuint frameBuffer_ = 0;
    GLuint renderBuffers_[2] = {0, 0};
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> row_;
};

// ---- drawing -------------------------------------------------------------------

const Point3 backgroundColour{0.16f, 0.18f, 0.24f};

class GlRenderer : public Renderer {
public:
    GlRenderer() : program_(linkedProgram())
    {
        glGenVertexArrays(1, &vertexArray_);
        glGenBuffers(1, &vertexBuffer_);
        glGetIntegerv(GL_MAX_RENDERBUFFER_SIZE, &maxSize_);
    }

    GeometryBufferCounts geometryBuffers() const override { return zoneBuffers_.counts(); }

    void renderInto(const Scene& scene, Image& picture) override
    {
        if (scene.width < 1 || scene.height < 1 || scene.width > maxSize_ || scene.height > maxSize_)
            throw RenderError("cannot draw a picture of " + std::to_string(scene.width) + " x " +
                              std::to_string(scene.height) + " pixels");
        context_.makeCurrent();
        // The largest factor up to the one asked for that the buffer can hold.
        const int factor = std::max(1, std::min({scene.supersample, maxSize_ / scene.width, maxSize_ / scene.height}));
        const int width = scene.width * factor;
        const int height = scene.height * factor;
        frameBuffer_.bind(width, height);
        glViewport(0, 0, width, height);
        glUseProgram(program_);
        glBindVertexArray(vertexArray_);
        setLight(scene);
        clear(scene);
        drawData(scene, factor);
        if (scene.showFrameAxis)
            drawAxisTriad(scene, width, height, factor);
        // A supersampled picture is read into a buffer of its own, kept for
        // the next frame, and scaled down into `picture`.
        Image& drawn = factor > 1 ? supersampled_ : picture;
        frameBuffer_.read(drawn);
        if (glGetError() != GL_NO_ERROR)
            throw RenderError("OpenGL failed while drawing");
        if (factor > 1)
            resizeInto(drawn, scene.width, scene.height, picture);
        paintColourLegend(scene.legend, picture);
        zoneBuffers_.pictureDrawn();
    }

private:
    float uniformLight(const Scene& scene) const
    {
        return static_cast<float>(std::clamp((scene.backgroundLight + scene.lightIntensity) / 100.0, 0.0, 1.0));
    }

    void setLight(const Scene& scene)
    {
        const float direction[3] = {-0.36f, 0.48f, 0.8f};
        glUniform3fv(glGetUniformLocation(program_, "lightDirection"), 1, direction);
        glUniform1f(glGetUniformLocation(program_, "background"),
                    static_cast<float>(std::max(scene.backgroundLight, 0.0) / 100.0));
        glUniform1f(glGetUniformLocation(program_, "intensity"),
                    static_cast<float>(std::max(scene.lightIntensity, 0.0) / 100.0));
    }

    void clear(const Scene& scene)
    {
        const float light = uniformLight(scene);
        glClearColor(backgroundColour.x * light, backgroundColour.y * light, backgroundColour.z * light, 1.0f);
        glClearDepth(1.0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }

    void setTransform(const Matrix4& transform, const Matrix4& turn)
    {
        glUniformMatrix4fv(glGetUniformLocation(program_, "transform"), 1, GL_FALSE, transform.data());
        const float turn3[9] = {turn[0], turn[1], turn[2], turn[4], turn[5], turn[6], turn[8], turn[9], turn[10]};
        glUniformMatrix3fv(glGetUniformLocation(program_, "turn"), 1, GL_FALSE, turn3);
    }

    void setShaded(const Scene& scene, bool shaded)
    {
        glUniform1i(glGetUniformLocation(program_, "shaded"), shaded ? 1 : 0);
        if (!shaded) {
            glUniform1f(glGetUniformLocation(program_, "background"), uniformLight(scene));
            glUniform1f(glGetUniformLocation(program_, "intensity"), 0.0f);
        }
    }

    void draw(GLenum mode, GLuint buffer, GLsizei vertices)
    {
        if (vertices == 0)
            return;
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        for (GLuint attribute = 0; attribute < 3; ++attribute) {
            glEnableVertexAttribArray(attribute);
            glVertexAttribPointer(attribute, 3, GL_FLOAT, GL_FALSE, sizeof(Vertex),
                                  reinterpret_cast<const void*>(attribute * 3 * sizeof(float)));
        }
        glDrawArrays(mode, 0, vertices);
    }

    // Vertices that change from picture to picture (dashes, markers, the
    // triad) go through one buffer, sent again each time.
    void draw(GLenum mode, const std::vector<Vertex>& vertices)
    {
        if (vertices.empty())
            return;
        glBindBuffer(GL_ARRAY_BUFFER, vertexBuffer_);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(Vertex)), vertices.data(),
                     GL_STREAM_DRAW);
        draw(mode, vertexBuffer_, static_cast<GLsizei>(vertices.size()));
    }

    void drawData(const Scene& scene, int factor)
    {
        const double aspect = static_cast<double>(scene.width) / scene.height;
        const Matrix4 view = viewMatrix(scene.camera);
        setTransform(multiply(projectionMatrix(scene.camera, aspect, scene.bounds), view),
                     rotationMatrix(scene.camera));
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        // The surface sits a little behind the lines that lie on it.
        glEnable(GL_POLYGON_OFFSET_FILL);
        glPolygonOffset(1.5f, 4.0f);
        setShaded(scene, true);
        std::vector<const ZoneBufferCache::ZoneBuffers*> zones;
        for (const ZoneGeometry* zone : scene.zones)
            zones.push_back(&zoneBuffers_.buffersOf(scene, *zone));
        for (const ZoneBufferCache::ZoneBuffers* zone : zones)
            draw(GL_TRIANGLES, zone->surface.name, zone->surface.vertices);
        glDisable(GL_POLYGON_OFFSET_FILL);
        setShaded(scene, false);
        glLineWidth(1.5f * static_cast<float>(factor));
        for (const ZoneBufferCache::ZoneBuffers* zone : zones)
            draw(GL_LINES, zone->lines.name, zone->lines.vertices);
        glLineWidth(3.5f * static_cast<float>(factor));
        draw(GL_LINES, streamtraceDashes(scene));
        glPointSize(7.0f * static_cast<float>(factor));
        draw(GL_POINTS, streamtraceMarkers(scene));
    }

    // Three unit lines (x red, y green, z blue) turned with the view, in a
    // square in the lower left corner.
    void drawAxisTriad(const Scene& scene, int width, int height, int factor)
    {
        const int size = std::max(8, std::min(width, height) / 5);
        glViewport(factor * 4, factor * 4, size, size);
        glDisable(GL_DEPTH_TEST);
        Matrix4 scale{};
        scale[0] = scale[5] = scale[10] = 0.8f;
        scale[15] = 1.0f;
        // Depth plays no part; keep z inside the clip range.
        scale[10] = 0.1f;
        const Matrix4 turn = rotationMatrix(scene.camera);
        setTransform(multiply(scale, turn), turn);
        setShaded(scene, false);
        const Point3 colours[3] = {{0.95f, 0.25f, 0.2f}, {0.3f, 0.9f, 0.3f}, {0.35f, 0.55f, 1.0f}};
        std::vector<Vertex> lines;
        for (int axis = 0; axis < 3; ++axis) {
            Vertex origin{{0, 0, 0}, {0, 0, 1}, {colours[axis].x, colours[axis].y, colours[axis].z}};
            Vertex tip = origin;
            tip.position[axis] = 1.0f;
            lines.push_back(origin);
            lines.push_back(tip);
        }
        glLineWidth(2.0f * static_cast<float>(factor));
        draw(GL_LINES, lines);
        glViewport(0, 0, width, height);
    }

    EglContext context_;
    ZoneBufferCache zoneBuffers_;
    GLuint program_ = 0;
    GLuint vertexArray_ = 0;
    GLuint vertexBuffer_ = 0;
    GLint maxSize_ = 4096;
    FrameBuffer frameBuffer_;
    Image supersampled_;
};

}  // namespace

std::unique_ptr<Renderer> createGlRenderer()
{
    return std::make_unique<GlRenderer>();
}

}  // namespace zorhost
