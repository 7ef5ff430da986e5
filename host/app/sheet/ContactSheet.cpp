#include "sheet/ContactSheet.h"

#include <algorithm>
#include <string>

#include "sheet/PngFile.h"

namespace zorhost {

namespace {

// Rows of a 3 x 5 dot font for 0-9, three bits a row, the top bit left.
constexpr unsigned char digitDots[10][5] = {{7, 5, 5, 5, 7}, {2, 6, 2, 2, 7}, {7, 1, 7, 4, 7}, {7, 1, 7, 1, 7},
                                            {5, 5, 7, 1, 1}, {7, 4, 7, 1, 7}, {7, 4, 7, 5, 7}, {7, 1, 1, 1, 1},
                                            {7, 5, 7, 5, 7}, {7, 5, 7, 1, 7}};

constexpr int gap = 4;

void fill(Image& image, int left, int top, int width, int height, std::uint8_t grey)
{
    for (int y = std::max(top, 0); y < std::min(top + height, image.height); ++y)
        for (int x = std::max(left, 0); x < std::min(left + width, image.width); ++x)
            std::fill_n(image.pixel(x, y), 3, grey);
}

void paste(Image& target, const Image& tile, int left, int top)
{
    for (int y = 0; y < tile.height && top + y < target.height; ++y)
        std::copy_n(tile.pixel(0, y), static_cast<std::size_t>(std::min(tile.width, target.width - left)) * 3,
                    target.pixel(left, top + y));
}

}  // namespace

void drawNumber(Image& image, int x, int y, int number, int scale)
{
    const std::string digits = std::to_string(number);
    const int width = static_cast<int>(digits.size()) * 4 * scale + scale;
    fill(image, x, y, width, 7 * scale, 20);
    for (std::size_t i = 0; i < digits.size(); ++i) {
        const int digit = digits[i] - '0';
        if (digit < 0 || digit > 9)
            continue;
        const int left = x + scale + static_cast<int>(i) * 4 * scale;
        for (int row = 0; row < 5; ++row)
            for (int column = 0; column < 3; ++column)
                if (digitDots[digit][row] & (4 >> column))
                    fill(image, left + column * scale, y + scale + row * scale, scale, scale, 255);
    }
}

void ContactSheet::addFrame(int frameNumber, const Image& frame)
{
    if (frame.width < 1 || frame.height < 1)
        return;
    const int width = std::min(tileWidth_, frame.width);
    const int height = std::max(1, frame.height * width / frame.width);
    tiles_.push_back({frameNumber, resized(frame, width, height)});
}

std::vector<std::size_t> ContactSheet::chosenIndices() const
{
    const std::size_t count = tiles_.size();
    const std::size_t shown = std::min<std::size_t>(count, maxTiles);
    std::vector<std::size_t> indices;
    for (std::size_t i = 0; i < shown; ++i)
        indices.push_back(shown == 1 ? 0 : (i * (count - 1) + (shown - 1) / 2) / (shown - 1));
    return indices;
}

Image ContactSheet::compose() const
{
    const std::vector<std::size_t> indices = chosenIndices();
    if (indices.empty())
        return Image();
    int tileWidth = 0;
    int tileHeight = 0;
    for (std::size_t index : indices) {
        tileWidth = std::max(tileWidth, tiles_[index].image.width);
        tileHeight = std::max(tileHeight, tiles_[index].image.height);
    }
    const int columns = std::min<int>(tilesPerRow, static_cast<int>(indices.size()));
    const int rows = (static_cast<int>(indices.size()) + tilesPerRow - 1) / tilesPerRow;
    Image sheet(gap + columns * (tileWidth + gap), gap + rows * (tileHeight + gap));
    fill(sheet, 0, 0, sheet.width, sheet.height, 60);
    const int scale = std::max(1, tileWidth / 80);
    for (std::size_t i = 0; i < indices.size(); ++i) {
        const int left = gap + static_cast<int>(i % tilesPerRow) * (tileWidth + gap);
        const int top = gap + static_cast<int>(i / tilesPerRow) * (tileHeight + gap);
        paste(sheet, tiles_[indices[i]].image, left, top);
        drawNumber(sheet, left, top, tiles_[indices[i]].frameNumber, scale);
    }
    return sheet;
}

void ContactSheet::write(std::ostream& out) const
{
    writePng(out, compose());
}

}  // namespace zorhost
