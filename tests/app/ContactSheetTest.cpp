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

std::uint32_t bigEndian(const std::string& bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

}  // namespace

TEST(ContactSheetTest, ChoosesUpToSixteenFramesEvenlyFromFirstToLast)
{
    struct Case {
        int drawn;
        std::vector<int> chosen;
    };
    const Case cases[] = {
        {0, {}},
        {3, {0, 1, 2}},
        {31, {0, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28, 30}},
        {17, {0, 1, 2, 3, 4, 5, 6, 7, 9, 10, 11, 12, 13, 14, 15, 16}},
    };
    for (const Case& c : cases) {
        ContactSheet sheet(8);
        for (int frame = 0; frame < c.drawn; ++frame)
            sheet.addFrame(100 + frame, flat(16, 8, 1));
        std::vector<int> expected;
        for (int frame : c.chosen)
            expected.push_back(100 + frame);
        EXPECT_EQ(expected, sheet.chosenFrames()) << c.drawn;
    }
}

TEST(ContactSheetTest, LaysOutLabelledTilesFourToARow)
{
    ContactSheet sheet(40);
    for (int frame = 0; frame < 5; ++frame)
        sheet.addFrame(frame, flat(80, 60, 200));
    const Image composed = sheet.compose();
    // Tiles of 40 x 30 with gaps of 4: four columns, two rows.
    EXPECT_EQ(4 + 4 * 44, composed.width);
    EXPECT_EQ(4 + 2 * 34, composed.height);
    // The label's dark strip at the tile's corner, the tile's grey beside it.
    EXPECT_EQ(20, composed.pixel(4, 4)[0]);
    EXPECT_EQ(200, composed.pixel(4 + 39, 4 + 29)[0]);
    // The fifth tile opens the second row; the rest of that row is empty.
    EXPECT_EQ(200, composed.pixel(4 + 39, 38 + 29)[0]);
    EXPECT_EQ(60, composed.pixel(48 + 20, 38 + 20)[0]);
}

TEST(ContactSheetTest, WritesAPngOfItsSize)
{
    ContactSheet sheet(40);
    sheet.addFrame(0, flat(80, 60, 128));
    std::ostringstream out;
    sheet.write(out);
    const std::string bytes = out.str();
    ASSERT_GT(bytes.size(), 24u);
    EXPECT_EQ("\x89PNG\r\n\x1a\n", bytes.substr(0, 8));
    EXPECT_EQ(48u, bigEndian(bytes, 16));
    EXPECT_EQ(38u, bigEndian(bytes, 20));
    EXPECT_THROW(ContactSheet().write(out), PngError);
}
