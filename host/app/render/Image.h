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

    // Makes the picture w x h. Its storage is kept when it holds that many
    // pixels already, so a picture drawn into frame after frame is allocated
    // once; the pixels are left as they were, to be overwritten.
    void resize(int w, int h)
    {
        width = w;
        height = h;
        rgb.resize(static_cast<std::size_t>(w) * static_cast<std::size_t>(h) * 3);
    }

    // The index in `rgb` of the first channel of pixel (x, y).
    std::size_t offset(int x, int y) const
    {
        return (static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)) * 3;
    }
    std::uint8_t* pixel(int x, int y) { return &rgb[offset(x, y)]; }
    const std::uint8_t* pixel(int x, int y) const { return &rgb[offset(x, y)]; }
};

// The image scaled to width x height by averaging the source pixels each
// target pixel covers (for thumbnails).
Image resized(const Image& image, int width, int height);

// The same into `result`, whose storage is reused.
void resizeInto(const Image& image, int width, int height, Image& result);

}  // namespace zorhost

#endif
