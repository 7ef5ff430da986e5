// An RGB picture, 8 bits a channel, rows from the top.
#ifndef ZORHOST_IMAGE_H
#define ZORHOST_IMAGE_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zorhost {

struct Image {
    Image() = default;
    Image(int w, int h) : width(w), height(h), rgb(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3, 0) {}

    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;

    // The index in `rgb` of the first channel of pixel (x, y).
    std::size_t offset(int x, int y) const
    {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
    }
    std::uint8_t* pixel(int x, int y) { return &rgb[offset(x, y)]; }
    const std::uint8_t* pixel(int x, int y) const { return &rgb[offset(x, y)]; }
};

// Each pixel of the result is the mean of a factor x factor block of `image`
// (whose sizes are multiples of the factor).
Image downsample(const Image& image, int factor);

// The image scaled to width x height by averaging the source pixels each
// target pixel covers (for thumbnails).
Image resized(const Image& image, int width, int height);

}  // namespace zorhost

#endif
