// Drawing a movie frame of a surface of 1 million triangles at 800 x 600:
// zorhost's renderer (the zone's buffers uploaded once, the frame drawn,
// read back and its legend painted, as each frame of a movie is) against a
// bare GL loop that draws the same vertices from a buffer of its own with
// the least shader and reads the pixels back, in a context of its own.
#include <benchmark/benchmark.h>
#include <epoxy/egl.h>
#include <epoxy/gl.h>

#include <cmath>
#include <memory>
#include <stdexcept>
#include <vector>

#include "RatioReport.h"
#include "render/Renderer.h"
#include "render/SceneGeometry.h"
#include "render/ViewTransform.h"

namespace {

constexpr int width = 800;
constexpr int height = 600;
// 708 x 708 points: 2 x 707 x 707 = 999 698 triangles.
constexpr int side = 708;

zorhost::ZoneGeometry rollingSurface()
{
    zorhost::ZoneGeometry zone;
    zorhost::TriangleSurface& surface = zone.triangles;
    for (int row = 0; row < side; ++row)
        for (int column = 0; column < side; ++column) {
            const float x = 2.0f * static_cast<float>(column) / (side - 1) - 1.0f;
            const float y = 2.0f * static_cast<float>(row) / (side - 1) - 1.0f;
            const float z = 0.1f * std::sin(6.0f * x) * std::cos(4.0f * y);
            surface.points.push_back({x, y, z});
            surface.normals.push_back({0.0f, 0.0f, 1.0f});
            surface.values.push_back(z);
        }
    for (std::uint32_t row = 0; row + 1 < side; ++row)
        for (std::uint32_t column = 0; column + 1 < side; ++column) {
            const std::uint32_t a = row * side + column;
            surface.indices.insert(surface.indices.end(), {a, a + 1, a + side + 1, a, a + side + 1, a + side});
        }
    return zone;
}

struct Frame {
    Frame() : zone(rollingSurface())
    {
        scene.width = width;
        scene.height = height;
        scene.zones = {&zone};
        scene.bounds = {{-1.0f, -1.0f, -0.1f}, {1.0f, 1.0f, 0.1f}};
        scene.colourVariable = "z";
        scene.colourMin = -0.1;
        scene.colourMax = 0.1;
        scene.legend = {true, "z", -0.1, 0.1};
        scene.camera.psi = 50.0;
        scene.camera.theta = 20.0;
        scene.camera.width = 3.0;
        const zorhost::Matrix4 turn = zorhost::rotationMatrix(scene.camera);
        scene.camera.position = {turn[2] * 10.0f, turn[6] * 10.0f, turn[10] * 10.0f};
    }

    zorhost::ZoneGeometry zone;
    zorhost::Scene scene;
};

const Frame& frame()
{
    static const Frame made;
    return made;
}

// The renderer lives as long as the program: dropping the last renderer
// ends the EGL display the bare loop's context shares.
zorhost::Renderer& renderer()
{
    static const std::unique_ptr<zorhost::Renderer> made = zorhost::createGlRenderer();
    return *made;
}

const char* const bareVertexShader = R"(#version 330
layout(location = 0) in vec3 position;
layout(location = 2) in vec3 colour;
uniform mat4 transform;
out vec3 baseColour;
void main() { gl_Position = transform * vec4(position, 1.0); baseColour = colour; })";

const char* const bareFragmentShader = R"(#version 330
in vec3 baseColour;
out vec4 fragmentColour;
void main() { fragmentColour = vec4(baseColour, 1.0); })";

GLuint shader(GLenum kind, const char* source, GLuint program)
{
    const GLuint made = glCreateShader(kind);
    glShaderSource(made, 1, &source, nullptr);
    glCompileShader(made);
    glAttachShader(program, made);
    return made;
}

// The least a program needs to draw the vertices into an 800 x 600 frame
// buffer with depth and read it back.
class BareLoop {
public:
    BareLoop()
    {
        renderer();
        display_ = eglGetPlatformDisplayEXT(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
        eglInitialize(display_, nullptr, nullptr);
        eglBindAPI(EGL_OPENGL_API);
        context_ = eglCreateContext(display_, EGL_NO_CONFIG_KHR, EGL_NO_CONTEXT, nullptr);
        if (context_ == EGL_NO_CONTEXT)
            throw std::runtime_error("no OpenGL context");
        makeCurrent();
        program_ = glCreateProgram();
        shader(GL_VERTEX_SHADER, bareVertexShader, program_);
        shader(GL_FRAGMENT_SHADER, bareFragmentShader, program_);
        glLinkProgram(program_);
        GLuint buffers[2];
        glGenFramebuffers(1, &frameBuffer_);
        glGenRenderbuffers(2, buffers);
        glBindFramebuffer(GL_FRAMEBUFFER, frameBuffer_);
        glBindRenderbuffer(GL_RENDERBUFFER, buffers[0]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_RGBA8, width, height);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_COLOR_ATTACHMENT0, GL_RENDERBUFFER, buffers[0]);
        glBindRenderbuffer(GL_RENDERBUFFER, buffers[1]);
        glRenderbufferStorage(GL_RENDERBUFFER, GL_DEPTH_COMPONENT24, width, height);
        glFramebufferRenderbuffer(GL_FRAMEBUFFER, GL_DEPTH_ATTACHMENT, GL_RENDERBUFFER, buffers[1]);
        upload();
    }

    void makeCurrent() { eglMakeCurrent(display_, EGL_NO_SURFACE, EGL_NO_SURFACE, context_); }

    void draw(std::vector<std::uint8_t>& pixels)
    {
        glBindFramebuffer(GL_FRAMEBUFFER, frameBuffer_);
        glViewport(0, 0, width, height);
        glEnable(GL_DEPTH_TEST);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glUseProgram(program_);
        glBindVertexArray(vertexArray_);
        glDrawArrays(GL_TRIANGLES, 0, vertices_);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    }

private:
    void upload()
    {
        const zorhost::Scene& scene = frame().scene;
        const std::vector<zorhost::Vertex> vertices = zorhost::surfaceTriangles(scene, frame().zone);
        vertices_ = static_cast<GLsizei>(vertices.size());
        glGenVertexArrays(1, &vertexArray_);
        glBindVertexArray(vertexArray_);
        GLuint buffer = 0;
        glGenBuffers(1, &buffer);
        glBindBuffer(GL_ARRAY_BUFFER, buffer);
        glBufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(vertices.size() * sizeof(zorhost::Vertex)),
                     vertices.data(), GL_STATIC_DRAW);
        for (GLuint attribute : {0u, 2u}) {
            glEnableVertexAttribArray(attribute);
            glVertexAttribPointer(attribute, 3, GL_FLOAT, GL_FALSE, sizeof(zorhost::Vertex),
                                  reinterpret_cast<const void*>(attribute * 3 * sizeof(float)));
        }
        const zorhost::Matrix4 transform =
            zorhost::multiply(zorhost::projectionMatrix(scene.camera, double{width} / height, scene.bounds),
                              zorhost::viewMatrix(scene.camera));
        glUseProgram(program_);
        glUniformMatrix4fv(glGetUniformLocation(program_, "transform"), 1, GL_FALSE, transform.data());
    }

    EGLDisplay display_ = EGL_NO_DISPLAY;
    EGLContext context_ = EGL_NO_CONTEXT;
    GLuint program_ = 0;
    GLuint frameBuffer_ = 0;
    GLuint vertexArray_ = 0;
    GLsizei vertices_ = 0;
};

void rendererFrame(benchmark::State& state)
{
    zorhost::Image picture;
    renderer().renderInto(frame().scene, picture);
    const std::size_t uploads = renderer().geometryBuffers().uploads;
    for (auto _ : state) {
        renderer().renderInto(frame().scene, picture);
        benchmark::DoNotOptimize(picture.rgb.data());
    }
    state.counters["uploads per frame"] =
        static_cast<double>(renderer().geometryBuffers().uploads - uploads) / static_cast<double>(state.iterations());
}

void bareFrame(benchmark::State& state)
{
    static BareLoop loop;
    std::vector<std::uint8_t> pixels(std::size_t{width} * height * 3);
    loop.makeCurrent();
    loop.draw(pixels);
    for (auto _ : state) {
        loop.draw(pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}

}  // namespace

BENCHMARK(rendererFrame)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(8);
BENCHMARK(bareFrame)->Unit(benchmark::kMillisecond)->Iterations(5)->Repetitions(8);

int main(int argc, char** argv)
{
    // The two take turns, repetition by repetition, so that a busy moment
    // of a shared machine does not fall on one of them alone.
    std::vector<char*> arguments(argv, argv + argc);
    char interleaved[] = "--benchmark_enable_random_interleaving=true";
    arguments.push_back(interleaved);
    return runRatioBenchmarks(
        static_cast<int>(arguments.size()), arguments.data(),
        {{"a movie frame of 1 million triangles at 800 x 600", "rendererFrame", "bareFrame",
          "a bare GL loop drawing the same buffer", 1.25}},
        {{"geometry sent to the GL per frame after the first", "rendererFrame", "uploads per frame", "uploads", 0.0}});
}
