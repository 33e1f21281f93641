#include "effects/flatten_over_white.h"

#include "raster/composite.h"
#include "raster/paint.h"

namespace ormel {
namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;
constexpr TColor kMaskCut = 0xE6E6E6; // the grey 230

} // namespace

void FlattenOverWhite(TIconImage& image)
{
    const TRect whole{0, 0, image.Width, image.Height};
    CompositeOverColor(image.Bitmap, image.Mask, nullptr, whole, kWhite, image.Bitmap);
    ReplaceColorWhere(image.Mask, whole, 2, kMaskCut, kBlack);
    ReplaceColorWhere(image.Mask, whole, 1, kMaskCut, kWhite);
}

} // namespace ormel
