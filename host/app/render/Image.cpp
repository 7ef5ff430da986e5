#include "render/Image.h"

#include <algorithm>

namespace zorhost {

Image resized(const Image& image, int width, int height)
{
    Image result;
    resizeInto(image, width, height, result);
    return result;
}

void resizeInto(const Image& image, int width, int height, Image& result)
{
    result.resize(width, height);
    for (int y = 0; y < height; ++y) {
        const int top = y * image.height / height;
        const int bottom = std::max(top + 1, (y + 1) * image.height / height);
        for (int x = 0; x < width; ++x) {
            const int left = x * image.width / width;
            const int right = std::max(left + 1, (x + 1) * image.width / width);
            unsigned sum[3] = {0, 0, 0};
            for (int sy = top; sy < bottom; ++sy)
                for (int sx = left; sx < right; ++sx)
                    for (int c = 0; c < 3; ++c)
                        sum[c] += image.pixel(sx, sy)[c];
            const unsigned count = static_cast<unsigned>((bottom - top) * (right - left));
            for (int c = 0; c < 3; ++c)
                result.pixel(x, y)[c] = static_cast<std::uint8_t>((sum[c] + count / 2) / count);
        }
    }
}

}  // namespace zorhost
