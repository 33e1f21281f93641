#pragma once

#include "files/icon_image.h"
#include "raster/rect.h"

#include <array>

namespace ormel {

// The picture to paste: its colours and its transparency (0 opaque .. 255 transparent in
// byte 0), of one size.
struct TPastePicture {
    Raster Colour;
    Raster Mask;
    int Width() const { return Colour.width(); }
    int Height() const { return Colour.height(); }
};

// How the paste dialog shows things: the target image's top-left corner and magnification in
// the view, and the picture's frame in view pixels (right and bottom exclusive).
struct TPasteView {
    double Left = 0;
    double Top = 0;
    double Zoom = 1;
    TRect Frame;
};

// The target with the picture placed over it, in true colour and of the target's size: where
// the frame overlaps the image as shown, that part of the picture is resampled into the image
// (its colours bicubically or by area, its transparency by dropping or repeating pixels), and
// the target, its palette applied, lies beneath. A picture or frame without area, or one that
// misses the image, leaves the target as it is.
TIconImage ComposePaste(const TIconImage& target, const TPastePicture& picture, const TPasteView& view);

// For a target of 1, 4 or 8 bits, the placed result reduced to the target's entry count four
// ways: with the target's palette or a palette made from the result, each without and with
// dithering. Each variant holds its palette; its Mask is the result's.
std::array<TIconImage, 4> PasteVariants(const TIconImage& target, const TIconImage& composed);
// The labels of the four variants, two lines each.
const std::array<const char*, 4>& PasteVariantLabels();

// What OK writes into the target: for an indexed target the chosen variant's indices and
// palette, else the composed colours; the composed transparency either way.
void CommitPaste(TIconImage& target, const TIconImage& composed, const TIconImage* variant);

} // namespace ormel
