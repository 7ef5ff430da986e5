#include "render/ColourLegend.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

using namespace zorhost;
using namespace ::testing;

namespace {

Image grey(int width, int height)
{
    Image picture(width, height);
    std::fill(picture.rgb.begin(), picture.rgb.end(), 100);
    return picture;
}

std::vector<int> pixelAt(const Image& picture, int x, int y)
{
    const std::uint8_t* pixel = picture.pixel(x, y);
    return {pixel[0], pixel[1], pixel[2]};
}

}  // namespace

TEST(ColourLegendTest, KeepsToTheStripAFittedViewLeavesFreeWhereItsLabelsFit)
{
    const struct {
        int width, height;
        LegendStyle legend;
        bool fitsStrip;
        const char *top, *bottom;
    } cases[] = {
        {800, 600, {true, "pressure", 0.8834, 1.05}, true, "1.05", "0.8834"},
        {1920, 1080, {true, "Z (height)", -3.0, 5.0}, true, "5", "-3"},
        {240, 180, {true, "velocity magnitude", -2.5, 1e6}, false, "1e+06", "-2.5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.legend.title);
        const LegendLayout layout = legendLayout(c.legend, c.width, c.height);
        EXPECT_THAT(layout.labels, AllOf(SizeIs(5), ElementsAre(c.top, _, _, _, c.bottom)));
        EXPECT_GE(layout.panel.left, 0);
        EXPECT_LE(layout.panel.left + layout.panel.width, c.width);
        EXPECT_EQ(c.fitsStrip, layout.panel.width <= c.width / 6);
        EXPECT_LT(layout.panel.top + layout.panel.height, c.height / 2 + c.height / 8);
        EXPECT_THAT(layout.bar.left, AllOf(Gt(layout.panel.left), Lt(layout.panel.left + layout.panel.width)));
    }
}

TEST(ColourLegendTest, PaintsTheMapFromLargestAtTheTopAndItsTitleOnlyWhenShown)
{
    LegendStyle legend{true, "pressure", 0.0, 1.0};
    const LegendLayout layout = legendLayout(legend, 400, 300);
    Image shown = grey(400, 300);
    paintColourLegend(legend, shown);
    const int middle = layout.bar.left + layout.bar.width / 2;
    EXPECT_THAT(pixelAt(shown, middle, layout.bar.top), ElementsAre(Gt(200), Lt(80), Lt(60)));
    EXPECT_THAT(pixelAt(shown, middle, layout.bar.top + layout.bar.height - 1), ElementsAre(Lt(60), Lt(80), Gt(200)));
    EXPECT_THAT(pixelAt(shown, layout.panel.left - 1, layout.panel.top), ElementsAre(100, 100, 100));

    // Another title of the same length changes the title's band alone.
    legend.title = "velocity";
    Image retitled = grey(400, 300);
    paintColourLegend(legend, retitled);
    int changedRowsBelowTitle = 0;
    int changedRowsInTitle = 0;
    for (int y = 0; y < 300; ++y) {
        const bool changed = !std::equal(shown.pixel(0, y), shown.pixel(0, y) + 400 * 3, retitled.pixel(0, y));
        (y < layout.bar.top - layout.scale * 5 ? changedRowsInTitle : changedRowsBelowTitle) += changed ? 1 : 0;
    }
    EXPECT_GT(changedRowsInTitle, 0);
    EXPECT_EQ(0, changedRowsBelowTitle);

    legend.show = false;
    Image hidden = grey(400, 300);
    paintColourLegend(legend, hidden);
    EXPECT_EQ(grey(400, 300).rgb, hidden.rgb);
}
