#include "tools/gradient_presets.h"

#include <algorithm>
#include <iterator>

namespace ormel {

namespace {

constexpr TColor kWhite = MakeColor(255, 255, 255);
constexpr TColor kBlack = MakeColor(0, 0, 0);
constexpr TColor kRed = MakeColor(255, 0, 0);
constexpr TColor kYellow = MakeColor(255, 255, 0);
constexpr TColor kGreen = MakeColor(0, 255, 0);
constexpr TColor kCyan = MakeColor(0, 255, 255);
constexpr TColor kBlue = MakeColor(0, 0, 255);
constexpr TColor kMagenta = MakeColor(255, 0, 255);

// The two ends of a two-colour preset, then five idle stops.
TNodeArray TwoColourPreset(TColor first, TColor last)
{
    return TNodeArray{{0, first, 1},   {511, last, 1},   {86, kBlue, 0}, {172, kWhite, 0},
                      {258, kBlue, 0}, {344, kWhite, 0}, {430, kBlue, 0}};
}

} // namespace

TNodeArray GradientPreset(int index)
{
    switch (index) {
    case 0:
        return TwoColourPreset(kWhite, kBlue);
    case 1:
        return TNodeArray{{0, kRed, 1},    {85, kYellow, 1},   {170, kGreen, 1}, {255, kCyan, 1},
                          {340, kBlue, 1}, {425, kMagenta, 1}, {511, kRed, 1}};
    case 2:
        return TwoColourPreset(kWhite, kBlack);
    default:
        return {};
    }
}

TNodeArray EnabledNodes(const TNodeArray& nodes)
{
    TNodeArray enabled;
    std::copy_if(nodes.begin(), nodes.end(), std::back_inserter(enabled), [](const TNode& node) { return node.Enabled != 0; });
    return enabled;
}

void DrawGradientStrip(TNodeArray nodes, Raster& strip)
{
    strip.resize(kGradientStripWidth, 1);
    DrawGradientBar(nodes, TRect{0, 0, kGradientStripWidth, 1}, strip);
}

Raster DefaultGradientStrip()
{
    Raster strip;
    DrawGradientStrip(EnabledNodes(GradientPreset(0)), strip);
    return strip;
}

} // namespace ormel
