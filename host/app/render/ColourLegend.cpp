#include "render/ColourLegend.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "render/DotFont.h"
#include "render/SceneGeometry.h"

namespace zorhost {

namespace {

constexpr int labelCount = 5;
// The share of the picture's width a fitted view leaves free at each side.
constexpr double freeStrip = 1.0 / 6.0;
const std::uint8_t textColour[3] = {240, 240, 240};

std::string numberText(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.4g", value);
    return text;
}

std::vector<std::string> labelsOf(const LegendStyle& legend)
{
    std::vector<std::string> labels;
    for (int i = 0; i < labelCount; ++i)
        labels.push_back(numberText(legend.max + (legend.min - legend.max) * i / (labelCount - 1)));
    return labels;
}

LegendLayout layoutAt(const LegendStyle& legend, int width, int height, int scale,
                      const std::vector<std::string>& labels)
{
    LegendLayout layout;
    layout.scale = scale;
    layout.labels = labels;
    int labelWidth = 0;
    for (const std::string& label : labels)
        labelWidth = std::max(labelWidth, dotTextWidth(label, scale));
    const int padding = 3 * scale;
    const int barWidth = 8 * scale;
    const int inner = std::max(dotTextWidth(legend.title, scale), barWidth + 3 * scale + labelWidth);
    const int barHeight = std::max(labelCount * 9 * scale, height * 7 / 20);
    layout.panel.width = inner + 2 * padding;
    // Half a line of text above and below the bar for its end labels.
    const int labelOverhang = dotTextHeight(scale) / 2 + scale;
    layout.panel.height = 2 * padding + dotTextHeight(scale) + 3 * scale + 2 * labelOverhang + barHeight;
    layout.panel.left = width - layout.panel.width - 2 * scale;
    layout.panel.top = 2 * scale;
    layout.bar = {layout.panel.left + padding,
                  layout.panel.top + padding + dotTextHeight(scale) + 3 * scale + labelOverhang, barWidth, barHeight};
    return layout;
}

void darken(Image& picture, const PixelBox& box)
{
    for (int y = std::max(box.top, 0); y < std::min(box.top + box.height, picture.height); ++y)
        for (int x = std::max(box.left, 0); x < std::min(box.left + box.width, picture.width); ++x) {
            std::uint8_t* pixel = picture.pixel(x, y);
            for (int channel = 0; channel < 3; ++channel)
                pixel[channel] = static_cast<std::uint8_t>(pixel[channel] / 3);
        }
}

std::uint8_t channel(float value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0f, 1.0f) * 255.0f));
}

void paintBar(Image& picture, const PixelBox& bar)
{
    for (int y = std::max(bar.top, 0); y < std::min(bar.top + bar.height, picture.height); ++y) {
        const Point3 colour = heightColour(1.0 - static_cast<double>(y - bar.top) / std::max(bar.height - 1, 1));
        const std::uint8_t rgb[3] = {channel(colour.x), channel(colour.y), channel(colour.z)};
        for (int x = std::max(bar.left, 0); x < std::min(bar.left + bar.width, picture.width); ++x)
            std::copy_n(rgb, 3, picture.pixel(x, y));
    }
}

}  // namespace

LegendLayout legendLayout(const LegendStyle& legend, int width, int height)
{
    const std::vector<std::string> labels = labelsOf(legend);
    int scale = std::max(1, height / 300);
    LegendLayout layout = layoutAt(legend, width, height, scale, labels);
    while (scale > 1 && layout.panel.width > width * freeStrip)
        layout = layoutAt(legend, width, height, --scale, labels);
    return layout;
}

void paintColourLegend(const LegendStyle& legend, Image& picture)
{
    if (!legend.show || picture.width < 1 || picture.height < 1)
        return;
    const LegendLayout layout = legendLayout(legend, picture.width, picture.height);
    const int scale = layout.scale;
    darken(picture, layout.panel);
    drawDotText(picture, layout.bar.left, layout.panel.top + 3 * scale, legend.title, scale, textColour);
    paintBar(picture, layout.bar);
    const int textLeft = layout.bar.left + layout.bar.width + 3 * scale;
    for (std::size_t i = 0; i < layout.labels.size(); ++i) {
        const int tick = layout.bar.top + (layout.bar.height - 1) * static_cast<int>(i) / (labelCount - 1);
        drawDotText(picture, textLeft, tick - dotTextHeight(scale) / 2, layout.labels[i], scale, textColour);
    }
}

}  // namespace zorhost
