// The colour legend drawn into a picture: the colouring variable's name, a
// bar of the colour map from its largest value (top) to its smallest, and
// five labelled values beside it, on a darkened panel in the top right
// corner. A fitted view of a data file leaves a sixth of the picture's
// width free at each side; the legend keeps within that strip when its
// labels fit there at the smallest dot size, and is wider only when they
// do not.
#ifndef ZORHOST_COLOUR_LEGEND_H
#define ZORHOST_COLOUR_LEGEND_H

#include <string>
#include <vector>

#include "render/Image.h"
#include "render/Scene.h"

namespace zorhost {

struct PixelBox {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct LegendLayout {
    // The dot size of its text in pixels.
    int scale = 1;
    PixelBox panel;
    PixelBox bar;
    // The values written beside the bar, from the top.
    std::vector<std::string> labels;
};

// Where the legend goes in a picture of width x height pixels.
LegendLayout legendLayout(const LegendStyle& legend, int width, int height);

// Paints the legend into `picture` when `legend.show` is set.
void paintColourLegend(const LegendStyle& legend, Image& picture);

}  // namespace zorhost

#endif
