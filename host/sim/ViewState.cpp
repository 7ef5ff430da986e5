#include "zorsim/ViewState.h"

#include <cmath>
#include <cstddef>

#include "ZorTypes.h"

namespace zorsim {

namespace {

using Matrix3 = std::array<Vector3, 3>;

constexpr double radiansPerDegree = 3.14159265358979323846 / 180.0;

Matrix3 aboutX(double degrees)
{
    const double c = std::cos(degrees * radiansPerDegree);
    const double s = std::sin(degrees * radiansPerDegree);
    return {{{1.0, 0.0, 0.0}, {0.0, c, -s}, {0.0, s, c}}};
}

Matrix3 aboutZ(double degrees)
{
    const double c = std::cos(degrees * radiansPerDegree);
    const double s = std::sin(degrees * radiansPerDegree);
    return {{{c, -s, 0.0}, {s, c, 0.0}, {0.0, 0.0, 1.0}}};
}

Matrix3 product(const Matrix3& a, const Matrix3& b)
{
    Matrix3 result{};
    for (std::size_t row = 0; row < 3; ++row)
        for (std::size_t column = 0; column < 3; ++column)
            for (std::size_t k = 0; k < 3; ++k)
                result[row][column] += a[row][k] * b[k][column];
    return result;
}

Vector3 apply(const Matrix3& m, const Vector3& v)
{
    Vector3 result{};
    for (std::size_t row = 0; row < 3; ++row)
        for (std::size_t k = 0; k < 3; ++k)
            result[row] += m[row][k] * v[k];
    return result;
}

// The inverse of a rotation is its transpose.
Vector3 applyInverse(const Matrix3& m, const Vector3& v)
{
    Vector3 result{};
    for (std::size_t row = 0; row < 3; ++row)
        for (std::size_t k = 0; k < 3; ++k)
            result[row] += m[k][row] * v[k];
    return result;
}

Matrix3 orientation(double psi, double theta, double alpha)
{
    return product(aboutZ(theta), product(aboutX(psi), aboutZ(alpha)));
}

}  // namespace

double wrapDegrees(double angle)
{
    return std::remainder(angle, 360.0);
}

ViewState::ViewState()
{
    lookAt({0.0, 0.0, 0.0}, 10.0);
}

void ViewState::lookAt(const Vector3& origin, double distance)
{
    rotationOrigin = origin;
    const Vector3 offset = apply(orientation(psi, theta, alpha), {0.0, 0.0, distance});
    for (std::size_t i = 0; i < 3; ++i)
        position[i] = origin[i] + offset[i];
}

bool ViewState::rotate(int axis, double degrees)
{
    double* angle = axis == ZOR_ROTATE_PSI     ? &psi
                    : axis == ZOR_ROTATE_THETA ? &theta
                    : axis == ZOR_ROTATE_ALPHA ? &alpha
                                               : nullptr;
    if (angle == nullptr)
        return false;
    if (degrees == 0.0)
        return true;
    Vector3 relative{};
    for (std::size_t i = 0; i < 3; ++i)
        relative[i] = position[i] - rotationOrigin[i];
    const Vector3 inViewerAxes = applyInverse(orientation(psi, theta, alpha), relative);
    *angle = wrapDegrees(*angle + degrees);
    const Vector3 turned = apply(orientation(psi, theta, alpha), inViewerAxes);
    for (std::size_t i = 0; i < 3; ++i)
        position[i] = rotationOrigin[i] + turned[i];
    return true;
}

double ViewState::distanceToOrigin() const
{
    double sum = 0.0;
    for (std::size_t i = 0; i < 3; ++i)
        sum += (position[i] - rotationOrigin[i]) * (position[i] - rotationOrigin[i]);
    return std::sqrt(sum);
}

}  // namespace zorsim
