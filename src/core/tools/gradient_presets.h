#pragma once

#include "raster/gradient_nodes.h"

namespace ormel {

constexpr int kGradientPresetCount = 3;
// Width of the gradient strips the shapes read their colours from.
constexpr int kGradientStripWidth = 512;

// The seven nodes of preset 0 (white to blue, the default gradient), 1 (rainbow) or 2 (white
// to black); an empty array for any other index. Disabled nodes are kept: they are the
// editor's idle stops.
TNodeArray GradientPreset(int index);
// The nodes that take part in the gradient.
TNodeArray EnabledNodes(const TNodeArray& nodes);
// Makes the strip 512 x 1 and draws the nodes across it.
void DrawGradientStrip(TNodeArray nodes, Raster& strip);
// The strip every shape starts with: the enabled nodes of preset 0.
Raster DefaultGradientStrip();

} // namespace ormel
