// The matrices that take data coordinates to the picture: the camera's view
// and its projection, both column-major as OpenGL takes them.
#ifndef ZORHOST_VIEW_TRANSFORM_H
#define ZORHOST_VIEW_TRANSFORM_H

#include <array>

#include "render/Scene.h"

namespace zorhost {

using Matrix4 = std::array<float, 16>;

Matrix4 multiply(const Matrix4& a, const Matrix4& b);

// Data coordinates to the viewer's coordinates (the viewer at the origin,
// looking along -z).
Matrix4 viewMatrix(const Camera& camera);
// Only the turn of viewMatrix, for the axis triad.
Matrix4 rotationMatrix(const Camera& camera);

// The viewer's coordinates to clip coordinates for a picture of `aspect`
// (width / height), with the depth range fitted around `bounds`.
Matrix4 projectionMatrix(const Camera& camera, double aspect, const Box& bounds);

}  // namespace zorhost

#endif
