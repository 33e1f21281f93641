#include "effects/image_effects.h"

#include "effects/convolve.h"
#include "effects/gaussian_blur.h"
#include "effects/sharpen.h"
#include "effects/tone_adjust.h"

namespace ormel {

namespace {

TRect WholeImage(const TIconImage& image) { return TRect{0, 0, image.Bitmap.width(), image.Bitmap.height()}; }

// Brightness / Contrast turns its contrast curve about 253, near white, not about mid-grey.
constexpr int kContrastPivot = 253;

} // namespace

void ApplyBrightnessContrast(const TEffectBackup& backup, TIconImage& live, int brightness, int contrast)
{
    const TRect rect = WholeImage(live);
    ChannelOffset(backup.Source(), live.Bitmap, rect, brightness, brightness, brightness);
    ContrastCurve(live.Bitmap, live.Bitmap, rect, contrast, kContrastPivot);
    ReduceToImagePalette(live);
}

void ApplyColorBalance(const TEffectBackup& backup, TIconImage& live, int red, int green, int blue)
{
    if (backup.Indexed()) {
        backup.Restore(live);
        PaletteOffset(live.Palette, live.Palette, red, green, blue);
        return;
    }
    ChannelOffset(backup.Source(), live.Bitmap, WholeImage(live), red, green, blue);
}

void ApplySaturation(const TEffectBackup& backup, TIconImage& live, int saturation)
{
    SaturationAdjust(backup.Source(), live.Bitmap, WholeImage(live), saturation);
    ReduceToImagePalette(live);
}

void ApplyBlur(const TEffectBackup& backup, TIconImage& live, int value)
{
    GaussianBlurBitmap(backup.Source(), live.Bitmap, WholeImage(live), value / 20.0);
    ReduceToImagePalette(live);
}

void ApplySharpen(const TEffectBackup& backup, TIconImage& live, int value)
{
    // The first row and the last column are not sharpened: they take the source's colours,
    // which an indexed image's raster (holding indices by now) would not otherwise show.
    live.Bitmap = backup.Source();
    SharpenBitmap(backup.Source(), live.Bitmap, WholeImage(live), value / 25.0);
    ReduceToImagePalette(live);
}

void ApplyFilter(const TEffectBackup& backup, TIconImage& live, const TFilter& filter, bool red, bool green, bool blue)
{
    ConvolveBitmap(backup.Source(), live.Bitmap, filter, red, green, blue);
    ReduceToImagePalette(live);
}

} // namespace ormel
