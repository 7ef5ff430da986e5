#include "sheet/ContactSheet.h"

#include <gtest/gtest.h>

#include <sstream>

#include "sheet/PngFile.h"

using namespace zorhost;

TEST(ContactSheetTest, ShowsUpToSixteenLabelledFramesEvenlyFromFirstToLastFourToARow)
{
    const struct {
        int drawn;
        std::vector<int> chosen;
        std::pair<int, int> size;
    } cases[] = {
        {3, {0, 1, 2}, {4 + 3 * 44, 4 + 34}},
        {5, {0, 1, 2, 3, 4}, {4 + 4 * 44, 4 + 2 * 34}},
        {31, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30}, {4 + 4 * 44, 4 + 4 * 34}},
        {17, {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16}, {4 + 4 * 44, 4 + 4 * 34}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.drawn);
        ContactSheet sheet(40);
        // Each frame in a grey of its own, drawn into tiles of 40 x 30 with gaps of 4.
        for (int frame = 0; frame < c.drawn; ++frame) {
            Image image(80, 60);
            std::fill(image.rgb.begin(), image.rgb.end(), static_cast<std::uint8_t>(100 + frame));
            sheet.addFrame(frame, image);
        }
        const Image composed = sheet.compose();
        EXPECT_EQ(c.size, std::make_pair(composed.width, composed.height));
        // The grey at each tile's bottom right corner, away from its label.
        std::vector<int> shown;
        for (int tile = 0; tile < static_cast<int>(c.chosen.size()); ++tile)
            shown.push_back(composed.pixel(4 + tile % 4 * 44 + 39, 4 + tile / 4 * 34 + 29)[0] - 100);
        EXPECT_EQ(c.chosen, shown);
        // The label's dark strip at the first tile's corner; in the sheet's last
        // place the last frame chosen, or the sheet's grey where a row is not full.
        EXPECT_EQ(20, composed.pixel(4, 4)[0]);
        EXPECT_EQ(c.drawn == 5 ? 60 : 100 + c.chosen.back(), composed.pixel(c.size.first - 5, c.size.second - 5)[0]);
    }
    // Without a frame there is no picture.
    std::ostringstream out;
    EXPECT_THROW(ContactSheet().write(out), PngError);
    EXPECT_TRUE(out.str().empty());
}
