#include "sheet/ContactSheet.h"

#include <gtest/gtest.h>

#include <sstream>

#include "sheet/PngFile.h"

using namespace zorhost;

namespace {

Image flat(int width, int height, std::uint8_t grey)
{
    Image image(width, height);
    std::fill(image.rgb.begin(), image.rgb.end(), grey);
    return image;
}

// Tiles of 40 x 30 with gaps of 4, four to a row: the grey at the tile's
// bottom right corner, away from its label.
int tileGrey(const Image& sheet, int tile)
{
    return sheet.pixel(4 + tile % 4 * 44 + 39, 4 + tile / 4 * 34 + 29)[0];
}

}  // namespace

TEST(ContactSheetTest, ShowsUpToSixteenFramesEvenlyFromFirstToLast)
{
    const std::pair<int, std::vector<int>> cases[] = {
        {3, {0, 1, 2}},
        {31, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30}},
        {17, {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16}},
    };
    for (const auto& [drawn, chosen] : cases) {
        SCOPED_TRACE(drawn);
        ContactSheet sheet(40);
        // Each frame in a grey of its own.
        for (int frame = 0; frame < drawn; ++frame)
            sheet.addFrame(frame, flat(80, 60, static_cast<std::uint8_t>(100 + frame)));
        const Image composed = sheet.compose();
        std::vector<int> shown;
        for (int tile = 0; tile < static_cast<int>(chosen.size()); ++tile)
            shown.push_back(tileGrey(composed, tile) - 100);
        EXPECT_EQ(chosen, shown);
    }
    // Without a frame there is no picture.
    std::ostringstream out;
    EXPECT_THROW(ContactSheet().write(out), PngError);
    EXPECT_TRUE(out.str().empty());
}

TEST(ContactSheetTest, LaysOutLabelledTilesFourToARow)
{
    ContactSheet sheet(40);
    for (int frame = 0; frame < 5; ++frame)
        sheet.addFrame(frame, flat(80, 60, 200));
    const Image composed = sheet.compose();
    // Four columns, two rows.
    EXPECT_EQ(4 + 4 * 44, composed.width);
    EXPECT_EQ(4 + 2 * 34, composed.height);
    // The label's dark strip at the tile's corner, the tile's grey beside it.
    EXPECT_EQ(20, composed.pixel(4, 4)[0]);
    EXPECT_EQ(200, tileGrey(composed, 0));
    // The fifth tile opens the second row; the rest of that row is empty.
    EXPECT_EQ(200, tileGrey(composed, 4));
    EXPECT_EQ(60, composed.pixel(48 + 20, 38 + 20)[0]);
}
