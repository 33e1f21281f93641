#include "tools/paste_placement.h"

#include "raster/paint.h"
#include "raster/quantize.h"
#include "raster/resample.h"

#include <algorithm>
#include <cmath>

namespace ormel {

namespace {

int RoundToInt(double v) { return static_cast<int>(std::lround(v)); }

} // namespace

TIconImage ComposePaste(const TIconImage& target, const TPastePicture& picture, const TPasteView& view)
{
    // The target in display colours: an indexed image's indices through its palette.
    TIconImage beneath;
    CopyIconImage(target, beneath);
    const TRect whole{0, 0, target.Width, target.Height};
    if (IsIndexedDepth(target.ColorDepth))
        ApplyPalette(beneath.Bitmap, whole, &target.Palette);

    TIconImage composed;
    NewIconImage(composed, target.Width, target.Height, target.ImageId, target.ColorDepth);
    composed.Palette = target.Palette;
    composed.Bitmap.fill(0, 0, 0);
    composed.Mask.fill(255, 255, 255);

    const TRect frame = view.Frame;
    const double zoom = view.Zoom > 0 ? view.Zoom : 1;
    const bool placed = picture.Width() > 0 && picture.Height() > 0 && picture.Mask.width() == picture.Width() &&
                        picture.Mask.height() == picture.Height() && frame.Width() > 0 && frame.Height() > 0;
    if (placed) {
        // The overlap of the frame and the image as shown, in view pixels.
        const double left = std::max<double>(frame.Left, view.Left);
        const double top = std::max<double>(frame.Top, view.Top);
        const double right = std::min<double>(frame.Right, view.Left + target.Width * zoom);
        const double bottom = std::min<double>(frame.Bottom, view.Top + target.Height * zoom);
        if (right > left && bottom > top) {
            const double sx = double(picture.Width()) / frame.Width();
            const double sy = double(picture.Height()) / frame.Height();
            const TRect source{RoundToInt((left - frame.Left) * sx), RoundToInt((top - frame.Top) * sy),
                               RoundToInt((right - frame.Left) * sx), RoundToInt((bottom - frame.Top) * sy)};
            const TRect dest{RoundToInt((left - view.Left) / zoom), RoundToInt((top - view.Top) / zoom),
                             RoundToInt((right - view.Left) / zoom), RoundToInt((bottom - view.Top) / zoom)};
            if (!source.IsEmpty() && !dest.IsEmpty()) {
                StretchBitmapRect(picture.Colour, composed.Bitmap, source, dest);
                StretchNearest(picture.Mask, composed.Mask, source, dest);
            }
        }
    }
    MergeImageUnder(composed, beneath, whole, 255);
    return composed;
}

const std::array<const char*, 4>& PasteVariantLabels()
{
    static const std::array<const char*, 4> labels{"Pallte no change\nNo dither", "Pallte no change\nDithered",
                                                   "Pallte changed\nNo dither", "Pallte changed\nDithered"};
    return labels;
}

std::array<TIconImage, 4> PasteVariants(const TIconImage& target, const TIconImage& composed)
{
    std::array<TIconImage, 4> variants;
    const int count = PaletteSizeForDepth(target.ColorDepth);
    for (int k = 0; k < 4; ++k) {
        TIconImage& variant = variants[std::size_t(k)];
        CopyIconImage(composed, variant);
        variant.ColorDepth = target.ColorDepth;
        variant.Palette = target.Palette;
        if (count > 0)
            QuantizeToPalette(composed.Bitmap, variant.Bitmap, variant.Palette, count, k % 2, k < 2 ? 0 : 2);
    }
    return variants;
}

void CommitPaste(TIconImage& target, const TIconImage& composed, const TIconImage* variant)
{
    if (composed.Width != target.Width || composed.Height != target.Height)
        return;
    if (IsIndexedDepth(target.ColorDepth)) {
        if (variant == nullptr || variant->Width != target.Width || variant->Height != target.Height)
            return;
        target.Bitmap = variant->Bitmap;
        target.Palette = variant->Palette;
    } else {
        target.Bitmap = composed.Bitmap;
    }
    target.Mask = composed.Mask;
}

} // namespace ormel
