#include "files/derive_image.h"

#include "raster/paint.h"
#include "raster/quantize.h"
#include "raster/resample.h"

#include <algorithm>

namespace ormel {

namespace {

constexpr int kMaxSide = 256;

bool HasUsableRasters(const TIconImage& image)
{
    return image.Width > 0 && image.Height > 0 && image.Bitmap.width() >= image.Width
        && image.Bitmap.height() >= image.Height && image.Mask.width() >= image.Width
        && image.Mask.height() >= image.Height;
}

} // namespace

TIconImage ProposedImage(int width, int height, int depthCode)
{
    if (depthCode < Depth1 || depthCode > Depth32)
        depthCode = Depth32;
    TIconImage record;
    NewIconImage(record, std::clamp(width, 1, kMaxSide), std::clamp(height, 1, kMaxSide), -1, depthCode);
    record.Bitmap = Raster();
    record.Mask = Raster();
    return record;
}

TIconImage DeriveImageFormat(const TIconImage& base, int width, int height, int depthCode)
{
    TIconImage result = ProposedImage(width, height, depthCode);
    if (!HasUsableRasters(base))
        return result;

    const TRect baseRect{0, 0, base.Width, base.Height};
    const TRect newRect{0, 0, result.Width, result.Height};

    TIconImage copy;
    CopyIconImage(base, copy);
    if (IsIndexedDepth(copy.ColorDepth))
        ApplyPalette(copy.Bitmap, baseRect, &copy.Palette);
    WhiteOutTransparent(copy.Bitmap, copy.Mask, baseRect);

    Raster stretched = NewBitmap24(result.Width, result.Height);
    StretchBitmapRect(copy.Bitmap, stretched, baseRect, newRect);

    switch (result.ColorDepth) {
    case Depth1:
    case Depth4:
        QuantizeToPalette(stretched, result.Bitmap, result.Palette, result.Palette.palNumEntries, 1, 0);
        break;
    case Depth8:
        QuantizeToPalette(stretched, result.Bitmap, result.Palette, result.Palette.palNumEntries, 1, 2);
        break;
    default:
        result.Bitmap = std::move(stretched);
        break;
    }

    result.Mask = NewBitmap24(result.Width, result.Height);
    StretchNearest(base.Mask, result.Mask, baseRect, newRect);
    return result;
}

} // namespace ormel
