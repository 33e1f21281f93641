#pragma once

#include "files/icon_image.h"
#include "raster/text.h"

#include <string>

namespace ormel {

// Where the text lies on the image: its centre and size in image pixels and its angle in
// degrees, counter-clockwise on the screen.
struct TTextGeometry {
    int CentreX = 0;
    int CentreY = 0;
    int Width = 0;
    int Height = 0;
    int Angle = 0;
    bool operator==(const TTextGeometry&) const = default;
};

// What the text looks like: the line, its font and anti-aliasing, painted in the colour (a
// palette index in an indexed image) at the alpha.
struct TTextLook {
    std::string Text;
    TFontSpec Font;
    bool AntiAlias = true;
    TColor Colour = 0;
    int Alpha = 255;
};

// The placement frame's defining corners in canvas pixels for a geometry at a zoom: the text's
// corners turned about its centre, scaled and rounded.
struct TFrameCorners {
    int X1 = 0;
    int Y1 = 0;
    int X3 = 0;
    int Y3 = 0;
};
TFrameCorners TextFrameCorners(const TTextGeometry& geometry, int zoom);

// One line of text being placed on an image. The image as it was when the placement started is
// kept; every rendering starts again from it, so that moving, turning or restyling the text
// leaves nothing of the earlier rendering behind. Ending the placement keeps the last rendering.
// When anything else has changed the image since the last rendering, the placement ends instead
// of putting the old pixels back over that change.
class TTextPlacement {
public:
    // Backs the image up and centres the text, unturned, at its measured size.
    void Start(const TIconImage& image, const TTextLook& look, TextRasterizer& rasterizer);
    bool Active() const { return active_; }

    const TTextGeometry& Geometry() const { return geometry_; }
    // The centre is held to -10000..10000, width and height to 1..1000.
    void SetGeometry(const TTextGeometry& geometry);

    // Puts the backup back and paints the text over it. False, with nothing done, when the
    // placement is not active, or, ending it, when the image is not as the last rendering left it.
    bool Render(TIconImage& image, const TTextLook& look, TextRasterizer& rasterizer);
    // True while the image is as the placement last left it.
    bool Unchanged(const TIconImage& image) const;
    // Forgets the backup; the image keeps the last rendering.
    void End();

private:
    bool active_ = false;
    Raster bitmap_;
    Raster mask_;
    Raster renderedBitmap_;
    Raster renderedMask_;
    TTextGeometry geometry_;
    Raster coverage_;
};

} // namespace ormel
