#include "effects/shadow.h"

#include "effects/flatten_over_white.h"
#include "effects/gaussian_blur.h"
#include "raster/paint.h"
#include "raster/rounding.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace ormel {

TPoint ShadowOffset(int angle, int offset)
{
    const double radians = angle * std::numbers::pi / 180;
    return TPoint{-Trunc(std::cos(radians) * offset), Trunc(std::sin(radians) * offset)};
}

void MakeShadow(const TIconImage& source, TIconImage& dest, TColor colour, int offset, int opacity, int angle,
                double radius)
{
    CopyIconImage(source, dest);
    const int width = source.Width;
    const int height = source.Height;
    if (width <= 0 || height <= 0 || source.Mask.width() < width || source.Mask.height() < height)
        return;
    const TRect whole{0, 0, width, height};

    // The silhouette, moved; what moves outside is lost and what it uncovers is transparent.
    TIconImage shadow;
    shadow.Width = width;
    shadow.Height = height;
    shadow.Mask.resize(width, height);
    const TPoint shift = ShadowOffset(angle, offset);
    const int left = std::clamp(shift.X, 0, width);
    const int right = std::clamp(width + shift.X, 0, width);
    if (left < right)
        for (int y = std::max(shift.Y, 0); y < std::min(height + shift.Y, height); ++y)
            std::memcpy(shadow.Mask.pixel(left, y), source.Mask.pixel(left - shift.X, y - shift.Y),
                        static_cast<std::size_t>(right - left) * 3);
    GaussianBlurBitmap(shadow.Mask, shadow.Mask, whole, radius);

    // The whole shadow takes the colour; its shape is in the mask alone.
    shadow.Bitmap.resizeForOverwrite(width, height);
    FillBitmap(shadow.Bitmap, colour);
    MergeImageUnder(dest, shadow, whole, opacity);
}

void ApplyShadow(const TEffectBackup& effectBackup, TIconImage& live, const TShadowSettings& settings)
{
    const TIconImage& backup = effectBackup.Backup();
    const double radius = settings.Size / 20.0;
    if (!effectBackup.Indexed()) {
        MakeShadow(backup, live, settings.Color, settings.Offset, settings.Opacity, settings.Angle, radius);
        if (backup.ColorDepth == Depth24)
            FlattenOverWhite(live);
        return;
    }
    MakeShadow(effectBackup.Working(), live, settings.Color, settings.Offset, settings.Opacity, settings.Angle, radius);
    FlattenOverWhite(live);
    live.ColorDepth = backup.ColorDepth;
    live.Palette.palNumEntries = backup.Palette.palNumEntries;
    ReduceToImagePalette(live);
}

} // namespace ormel
