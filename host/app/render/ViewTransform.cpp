#include "render/ViewTransform.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace zorhost {

namespace {

constexpr double degree = 3.14159265358979323846 / 180.0;

using Matrix3 = std::array<std::array<double, 3>, 3>;

Matrix3 product(const Matrix3& a, const Matrix3& b)
{
    Matrix3 c{};
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            for (std::size_t k = 0; k < 3; ++k)
                c[i][j] += a[i][k] * b[k][j];
    return c;
}

Matrix3 turnAboutZ(double degrees)
{
    const double c = std::cos(degrees * degree);
    const double s = std::sin(degrees * degree);
    return {{{c, -s, 0.0}, {s, c, 0.0}, {0.0, 0.0, 1.0}}};
}

Matrix3 turnAboutX(double degrees)
{
    const double c = std::cos(degrees * degree);
    const double s = std::sin(degrees * degree);
    return {{{1.0, 0.0, 0.0}, {0.0, c, -s}, {0.0, s, c}}};
}

// The viewer's axes in data coordinates (columns).
Matrix3 orientation(const Camera& camera)
{
    return product(product(turnAboutZ(camera.theta), turnAboutX(camera.psi)), turnAboutZ(camera.alpha));
}

Matrix4 identity()
{
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

// The nearest and farthest distance of the box's corners in front of the viewer.
void depthRange(const Camera& camera, const Box& bounds, double& nearest, double& farthest)
{
    const Matrix4 view = viewMatrix(camera);
    nearest = 1e300;
    farthest = -1e300;
    for (int corner = 0; corner < 8; ++corner) {
        const double p[3] = {(corner & 1) ? bounds.max.x : bounds.min.x, (corner & 2) ? bounds.max.y : bounds.min.y,
                             (corner & 4) ? bounds.max.z : bounds.min.z};
        const double depth = -(view[2] * p[0] + view[6] * p[1] + view[10] * p[2] + view[14]);
        nearest = std::min(nearest, depth);
        farthest = std::max(farthest, depth);
    }
}

}  // namespace

Matrix4 multiply(const Matrix4& a, const Matrix4& b)
{
    Matrix4 c{};
    for (std::size_t column = 0; column < 4; ++column)
        for (std::size_t row = 0; row < 4; ++row)
            for (std::size_t k = 0; k < 4; ++k)
                c[column * 4 + row] += a[k * 4 + row] * b[column * 4 + k];
    return c;
}

Matrix4 rotationMatrix(const Camera& camera)
{
    const Matrix3 r = orientation(camera);
    Matrix4 m = identity();
    // Row i of the view's turn is column i of the orientation.
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j)
            m[j * 4 + i] = static_cast<float>(r[j][i]);
    return m;
}

Matrix4 viewMatrix(const Camera& camera)
{
    Matrix4 m = rotationMatrix(camera);
    const double eye[3] = {camera.position.x, camera.position.y, camera.position.z};
    for (std::size_t i = 0; i < 3; ++i)
        m[12 + i] = -static_cast<float>(m[i] * eye[0] + m[4 + i] * eye[1] + m[8 + i] * eye[2]);
    return m;
}

Matrix4 projectionMatrix(const Camera& camera, double aspect, const Box& bounds)
{
    double nearest = 0.0;
    double farthest = 0.0;
    depthRange(camera, bounds, nearest, farthest);
    const double margin = 0.05 * (farthest - nearest) + 1e-3;
    double zNear = nearest - margin;
    const double zFar = farthest + margin;
    Matrix4 m{};
    if (camera.perspective) {
        zNear = std::max(zNear, 1e-3 * zFar);
        const double right = zNear * std::tan(0.5 * camera.fieldOfView * degree);
        const double top = right / aspect;
        m[0] = static_cast<float>(zNear / right);
        m[5] = static_cast<float>(zNear / top);
        m[10] = static_cast<float>(-(zFar + zNear) / (zFar - zNear));
        m[11] = -1.0f;
        m[14] = static_cast<float>(-2.0 * zFar * zNear / (zFar - zNear));
        return m;
    }
    const double right = 0.5 * camera.width;
    const double top = right / aspect;
    m[0] = static_cast<float>(1.0 / right);
    m[5] = static_cast<float>(1.0 / top);
    m[10] = static_cast<float>(-2.0 / (zFar - zNear));
    m[14] = static_cast<float>(-(zFar + zNear) / (zFar - zNear));
    m[15] = 1.0f;
    return m;
}

}  // namespace zorhost
