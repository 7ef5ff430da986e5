// A 5 x 7 dot font for the labels drawn into pictures (the colour legend):
// digits, capital letters and the signs numbers and variable names use.
// Small letters are drawn as capitals; a character without a glyph is
// drawn as an open box, so that it is seen to be there.
#ifndef ZORHOST_DOT_FONT_H
#define ZORHOST_DOT_FONT_H

#include <cstdint>
#include <string>

#include "render/Image.h"

namespace zorhost {

// Each dot is `scale` x `scale` pixels; a character is 6 dots wide with its
// gap and 7 high.
int dotTextWidth(const std::string& text, int scale);
int dotTextHeight(int scale);

// Draws `text` with its top left corner at (x, y) in `colour`; what falls
// outside the picture is left out.
void drawDotText(Image& picture, int x, int y, const std::string& text, int scale, const std::uint8_t colour[3]);

}  // namespace zorhost

#endif
