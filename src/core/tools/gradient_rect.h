#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

namespace ormel {

// How a shape is painted, as the tool palette and the colour panel set it.
struct TShapePaint {
    int Type = 1;                  // 0 border only, 1 border and fill, 2 fill only
    int Style = 0;                 // 0 plain fill colour, 1..4 gradient styles
    int Border = 1;                // border width in pixels
    int CornerRadius = 0;          // rectangle only
    TColor FillColor = 0xFFFFFF;   // used by style 0, and by every style without a strip
    TColor Opacity = 0xFFFFFF;     // grey: the alpha is the blue part
    TColor Color = 0;              // border colour
    bool AntiAliasing = false;
    const Raster* GradientStrip = nullptr; // the 512 x 1 strip of styles 1..4
};

// Region codes of Classify.
enum ShapeRegion : int {
    RegionOutside = 1,
    RegionInterior = 2,
    RegionBorder = 3,
    RegionOuterEdge = 4, // border edge pixel on the outer side of the curve
    RegionInnerEdge = 5, // border edge pixel on the inner side
};

struct TShapeClass {
    int Region = RegionOutside;
    int Weight = 255; // 0 fully covered .. 255 not covered
};

// An axis-aligned rectangle, optionally with rounded corners, painted pixel by pixel into an
// icon image's rasters: the border in the paint colour, the interior in the fill colour or a
// gradient from the strip.
class TGradientRect {
public:
    TGradientRect(const TShapePaint& paint, int depthCode);
    virtual ~TGradientRect() = default;

    // Paints the shape between the corners of `bounds` (right and bottom exclusive, either
    // order), cut at the edge of the rasters.
    void Draw(TRect bounds, Raster& bitmap, Raster& mask);

    // The region and edge weight of a pixel of the shape last laid out by Draw.
    virtual TShapeClass Classify(int x, int y) const;

protected:
    // Called with the normalised, not yet clipped, rectangle before the rectangle's own layout.
    virtual void LayOutShape(const TRect& bounds);

    const TShapePaint& Paint() const { return paint_; }

private:
    // Makes a weight two-level when edges are not anti-aliased.
    int EffectiveWeight(int weight) const;
    TShapeClass ClassifyCorner(int x, int y, TPoint centre) const;
    TColor FillColourAt(int x, int y) const;
    void PaintPixel(int x, int y, TColor fill, Raster& bitmap, Raster& mask) const;

    TShapePaint paint_;
    int depthCode_;
    int opacity_ = 255;

    TRect bounds_;
    TPoint centre_;
    int innerTop_ = 0;
    int innerBottom_ = 0;
    int innerLeft_ = 0;
    int innerRight_ = 0;
    TPoint cornerCentres_[4];
    TRect cornerBoxes_[4];
};

} // namespace ormel
