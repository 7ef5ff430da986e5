// A contact sheet: small copies of the frames drawn, of which up to 16,
// evenly spaced from the first to the last, are laid out four to a row, each
// labelled with its frame number.
#ifndef ZORHOST_CONTACT_SHEET_H
#define ZORHOST_CONTACT_SHEET_H

#include <ostream>
#include <vector>

#include "render/Image.h"

namespace zorhost {

class ContactSheet {
public:
    static constexpr int maxTiles = 16;
    static constexpr int tilesPerRow = 4;

    // Tiles are `tileWidth` pixels wide, as high as the frames' aspect asks.
    explicit ContactSheet(int tileWidth = 200) : tileWidth_(tileWidth) {}

    void addFrame(int frameNumber, const Image& frame);
    int frames() const { return static_cast<int>(tiles_.size()); }

    // The sheet as one picture; an empty image when no frame was drawn.
    Image compose() const;
    // Writes compose() as PNG into `out`; throws PngError.
    void write(std::ostream& out) const;

private:
    struct Tile {
        int frameNumber;
        Image image;
    };
    std::vector<std::size_t> chosenIndices() const;

    int tileWidth_;
    std::vector<Tile> tiles_;
};

// Draws `number` in white digits on a dark strip at (x, y), `scale` pixels
// per dot of a 3 x 5 dot font.
void drawNumber(Image& image, int x, int y, int number, int scale);

}  // namespace zorhost

#endif
